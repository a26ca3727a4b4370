-- The "ZTData" table store: every table of the AE parameter table, the graph database and the
-- filter database. Run once, inside the transaction that creates a new database file; the
-- store also runs it on an empty in-memory database to learn which tables and fields an
-- existing file must have. Statements end with a semicolon.
--
-- Index names are global in SQLite, so the two secondary indexes that share the name FID carry
-- their table's name in front. Indexes that ignore letter case use COLLATE NOCASE.

-- AE parameter table ------------------------------------------------------------------------

CREATE TABLE AEParams (
    ParamID    INTEGER PRIMARY KEY AUTOINCREMENT,
    ParamConst INTEGER,
    ParamName  VARCHAR(40),
    ShortName  VARCHAR(15)
);
CREATE INDEX AsParamName ON AEParams (ParamName COLLATE NOCASE);
CREATE INDEX AsParamConst ON AEParams (ParamConst, ParamName COLLATE NOCASE);

CREATE TABLE AESystem (
    AESystemID INTEGER PRIMARY KEY AUTOINCREMENT,
    SystemName VARCHAR(40)
);

CREATE TABLE "Prm&Sys" (
    ParamID    INTEGER NOT NULL,
    AESystemID INTEGER NOT NULL,
    PRIMARY KEY (ParamID, AESystemID)
);

-- Graph database ----------------------------------------------------------------------------

CREATE TABLE VNGrfSys (
    GSystemID INTEGER PRIMARY KEY AUTOINCREMENT,  -- GrSystTableIndex1
    Name      VARCHAR(40),
    Comment   VARCHAR(250),
    PageNum   SMALLINT
);

CREATE TABLE VNGrfPge (
    GPageID    INTEGER PRIMARY KEY AUTOINCREMENT,
    GSystemID  INTEGER,
    GrPageName VARCHAR(50)
);
CREATE INDEX GSystemID ON VNGrfPge (GSystemID);

CREATE TABLE VNGraph (
    GraphID       INTEGER PRIMARY KEY AUTOINCREMENT,
    GPageID       INTEGER,
    GraphTypeID   INTEGER,
    LXCoord       SMALLINT,
    LYCoord       SMALLINT,
    RXCoord       SMALLINT,
    RYCoord       SMALLINT,
    GraphName     VARCHAR(50),
    XAxisType     INTEGER,
    YAxisType     INTEGER,
    XMin          INTEGER,
    XMax          INTEGER,
    YMin          INTEGER,
    YMax          INTEGER,
    XLogType      BOOLEAN,
    YLogType      BOOLEAN,
    Channels      VARCHAR(20),
    XBinNum       INTEGER,
    YBinNum       INTEGER,
    XBinSumTypeID INTEGER,
    YBinSumTypeID INTEGER,
    XCumTypeID    INTEGER,
    YCumTypeID    INTEGER,
    AllChannel    BOOLEAN
);
CREATE INDEX GPageID ON VNGraph (GPageID);

CREATE TABLE VNGrfType (
    GraphTypeID   INTEGER PRIMARY KEY,
    GraphTypeName VARCHAR(20)
);

CREATE TABLE VNCumTyp (
    CumTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    CumType   VARCHAR(30)
);

CREATE TABLE VNBnSmTp (
    BinSumTypeID INTEGER PRIMARY KEY AUTOINCREMENT,
    BinSumType   VARCHAR(30)
);

-- Filter database ---------------------------------------------------------------------------

CREATE TABLE Filters (
    FID             INTEGER PRIMARY KEY AUTOINCREMENT,
    FDate           DATE NOT NULL,          -- yyyy-mm-dd
    FName           VARCHAR(255) NOT NULL,
    DeleteTDP       SMALLINT,
    EOT_Type        SMALLINT,
    IncludeFilter   SMALLINT,
    TreatmentMethod SMALLINT,
    MPT             INTEGER,
    LOCK            INTEGER,
    Back            INTEGER,
    Forward         INTEGER,
    ADepFlag        SMALLINT NOT NULL,
    BDepFlag        SMALLINT NOT NULL,
    CDepFlag        SMALLINT NOT NULL,
    DDepFlag        SMALLINT NOT NULL
);
CREATE INDEX AsDate ON Filters (FDate, FID);

CREATE TABLE FRMinMax (
    FID        INTEGER NOT NULL,
    RWindowNum INTEGER NOT NULL,
    RecNum     INTEGER NOT NULL,
    RParam     VARCHAR(40) NOT NULL,
    RMin       DOUBLE NOT NULL,
    RMax       DOUBLE NOT NULL,
    PRIMARY KEY (FID, RWindowNum, RecNum)
);
CREATE INDEX FRMinMax_FID ON FRMinMax (FID);

CREATE TABLE FRExpr (
    FID        INTEGER NOT NULL,
    RWindowNum INTEGER,
    RecNum     INTEGER NOT NULL,
    YParam     VARCHAR(40) NOT NULL,
    Token      VARCHAR(2) NOT NULL,
    AConst     DOUBLE NOT NULL,
    XParam     VARCHAR(40) NOT NULL,
    BConst     DOUBLE NOT NULL,
    PRIMARY KEY (FID, RWindowNum, RecNum)
);

CREATE TABLE FExpress (
    FID        INTEGER NOT NULL,
    RecNum     INTEGER NOT NULL,
    Expression VARCHAR(80),
    PRIMARY KEY (FID, RecNum)
);
CREATE INDEX FExpress_FID ON FExpress (FID);
