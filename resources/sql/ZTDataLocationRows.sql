-- The rows of source location. A new "ZTData" database gets them with the other shipped rows;
-- an existing one gets them once, when a program first opens it (the store then marks the file
-- with user_version 1), so that a database made before locations existed offers them too. Rows
-- already there are never changed. Statements end with a semicolon.

-- The location of an event's source, which the viewer works out for the event's first hit.
INSERT INTO AEParams (ParamConst, ParamName, ShortName)
    SELECT 65536, 'Location X, m', 'Location X, m'
    WHERE NOT EXISTS (SELECT 1 FROM AEParams WHERE ParamConst = 65536);
INSERT INTO AEParams (ParamConst, ParamName, ShortName)
    SELECT 131072, 'Location Y, m', 'Location Y, m'
    WHERE NOT EXISTS (SELECT 1 FROM AEParams WHERE ParamConst = 131072);
-- The viewer locates the events of a file of any instrument family.
INSERT OR IGNORE INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT p.ParamID, s.AESystemID FROM AEParams p, AESystem s WHERE p.ParamConst IN (65536, 131072);

-- The graph set "Location": the events along X with their X against time for a linear location,
-- the map of Y against X with X and Y against time for a planar one. The ranges suit a layout of
-- 10 m by 10 m and a test of half an hour; time axes follow the loaded file by default. Each new
-- row takes the largest identifier of its table, so the rows below find their set and page.
INSERT INTO VNGrfSys (Name, Comment, PageNum) VALUES
    ('Location', 'Where the events come from: linear location along X, planar location on the map of Y against X', 2);

INSERT INTO VNGrfPge (GSystemID, GrPageName) SELECT max(GSystemID), 'Linear' FROM VNGrfSys;
INSERT INTO VNGraph (GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel)
    SELECT max(GPageID), 3, 0, 0, 5, 2, 'Events along X', 65536, 0, 0, 10, 0, 100, 0, 0, '', 50, 0, 4, 4, 1, 1, 0
    FROM VNGrfPge;
INSERT INTO VNGraph (GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel)
    SELECT max(GPageID), 1, 0, 2, 5, 4, 'Location X against time', 1, 65536, 0, 1800, 0, 10, 0, 0, '', 0, 0, 0, 0, 0, 0, 0
    FROM VNGrfPge;

INSERT INTO VNGrfPge (GSystemID, GrPageName) SELECT max(GSystemID), 'Planar' FROM VNGrfSys;
INSERT INTO VNGraph (GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel)
    SELECT max(GPageID), 1, 0, 0, 3, 4, 'Location map', 65536, 131072, 0, 10, 0, 10, 0, 0, '', 0, 0, 0, 0, 0, 0, 0
    FROM VNGrfPge;
INSERT INTO VNGraph (GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel)
    SELECT max(GPageID), 1, 3, 0, 5, 2, 'Location X against time', 1, 65536, 0, 1800, 0, 10, 0, 0, '', 0, 0, 0, 0, 0, 0, 0
    FROM VNGrfPge;
INSERT INTO VNGraph (GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID, AllChannel)
    SELECT max(GPageID), 1, 3, 2, 5, 4, 'Location Y against time', 1, 131072, 0, 1800, 0, 10, 0, 0, '', 0, 0, 0, 0, 0, 0, 0
    FROM VNGrfPge;
