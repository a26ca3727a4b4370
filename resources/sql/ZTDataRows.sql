-- The rows shipped in a new "ZTData" database: the AE parameter table with its instrument
-- families, the lookup tables of the graph database and two graph sets for a pressure-vessel
-- proof test. They are data, not program: the user may change every row afterwards, and an
-- existing database is never seeded again. Statements end with a semicolon.

-- AE parameters: one name per parameter code of the data files. ParamName is what the user
-- types into a filter window; ShortName names a graph axis.
INSERT INTO AEParams (ParamID, ParamConst, ParamName, ShortName) VALUES
    (1,      0, 'Hits',              'Hits'),
    (2,      1, 'Time',              'Time, s'),
    (3,      2, 'Channel',           'Channel'),
    (4,      4, 'Sequence number',   'Seq. number'),
    (5,      8, 'Rise time',         'Rise time, µs'),
    (6,     16, 'Counts to peak',    'Counts to peak'),
    (7,     32, 'Counts',            'Counts'),
    (8,     64, 'Energy',            'Energy'),
    (9,    128, 'Duration',          'Duration, µs'),
    (10,   256, 'Amplitude',         'Amplitude, dB'),
    (11,   512, 'DP',                'DP'),
    (12,  1024, 'RMS',               'RMS'),
    (13,  2048, 'Parametric 1',      'Parametric 1'),
    (14,  4096, 'Gain',              'Gain, dB'),
    (15,  8192, 'Threshold',         'Threshold, dB'),
    (16, 32768, 'Average frequency', 'Aver.freq, kHz');

-- The families of the parameter lookup dialog, in the order of its items.
INSERT INTO AESystem (AESystemID, SystemName) VALUES
    (1, 'Common parameters'),
    (2, 'All parameters'),
    (3, 'Spartan 3000'),
    (4, 'Locan/SpartanPC/Spartan2000/DiSP'),
    (5, 'A-Line 32D'),
    (6, 'Vallen System AMS'),
    (7, 'Malachit AS');

-- What each family delivers, by parameter code. "Hits" (code 0) is a count, not a measured
-- parameter, so only "All parameters" lists it.
-- Common parameters: what every data file format delivers.
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 1 FROM AEParams WHERE ParamConst IN (1, 2, 8, 32, 64, 128, 256);
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 2 FROM AEParams;
-- Spartan 3000 files.
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 3 FROM AEParams
    WHERE ParamConst IN (1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096, 8192);
-- DiSP / Locan AT / Spartan AT / Spartan 2000 / Mistras message files.
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 4 FROM AEParams
    WHERE ParamConst IN (1, 2, 8, 16, 32, 64, 128, 256, 1024, 2048, 4096, 8192, 32768);
-- A-Line 32D files, both generations.
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 5 FROM AEParams WHERE ParamConst IN (1, 2, 8, 32, 64, 128, 256);
-- No reader exists for these two families; they offer the parameters every AE system has.
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 6 FROM AEParams WHERE ParamConst IN (1, 2, 8, 32, 64, 128, 256);
INSERT INTO "Prm&Sys" (ParamID, AESystemID)
    SELECT ParamID, 7 FROM AEParams WHERE ParamConst IN (1, 2, 8, 32, 64, 128, 256);

-- Lookup tables of the graph database window; the viewer relies on these codes.
INSERT INTO VNGrfType (GraphTypeID, GraphTypeName) VALUES
    (1, 'Point'),
    (2, 'Line'),
    (3, 'Histogram');
INSERT INTO VNCumTyp (CumTypeID, CumType) VALUES
    (1, 'None'),
    (2, 'Cumulative from the left'),
    (3, 'Cumulative from the right');
INSERT INTO VNBnSmTp (BinSumTypeID, BinSumType) VALUES
    (1, 'Average'),
    (2, 'Maximum'),
    (3, 'Minimum'),
    (4, 'Sum');

-- Graph sets on the default page grid of 5 columns by 4 rows. Ranges suit a proof test of
-- about half an hour on 8 channels with amplitudes from a 40 dB threshold, raw parametric
-- (pressure) counts of 2000 to 4000, counts up to some thousands and energy, duration and rise
-- time up to some ten thousands; time axes follow the loaded file by default. Y maxima of line
-- graphs and histograms are only starting values: every drawing rescales them. Logarithmic
-- axes start at 1.
INSERT INTO VNGrfSys (GSystemID, Name, Comment, PageNum) VALUES
    (1, 'Proof test', 'Activity against time, correlations and distributions of all channels', 3),
    (2, 'Channel 3 against the others', 'The same views for channel 3 alone and for the other channels, to single out an active source', 2);

INSERT INTO VNGrfPge (GPageID, GSystemID, GrPageName) VALUES
    (1, 1, 'Activity'),
    (2, 1, 'Correlations'),
    (3, 1, 'Distributions'),
    (4, 2, 'Channel 3'),
    (5, 2, 'Other channels');

-- GraphTypeID: 1 point, 2 line, 3 histogram. Axis types are parameter codes. Line graphs and
-- histograms count hits with Y parameter 0 and bin summation 4 (sum); cumulation 1 is none,
-- 2 from the left, 3 from the right. XBinNum is the number of histogram bins.
INSERT INTO VNGraph (GraphID, GPageID, GraphTypeID, LXCoord, LYCoord, RXCoord, RYCoord, GraphName,
                     XAxisType, YAxisType, XMin, XMax, YMin, YMax, XLogType, YLogType, Channels,
                     XBinNum, YBinNum, XBinSumTypeID, YBinSumTypeID, XCumTypeID, YCumTypeID,
                     AllChannel) VALUES
    -- Activity
    (1,  1, 2, 0, 0, 3, 2, 'Hits against time',            1,    0,  0, 1800, 0,    100, 0, 0, '',  0, 0, 4, 4, 1, 1, 0),
    (2,  1, 2, 3, 0, 5, 2, 'Cumulative hits',              1,    0,  0, 1800, 0,   1000, 0, 0, '',  0, 0, 4, 4, 1, 2, 0),
    (3,  1, 2, 3, 2, 5, 4, 'Cumulative energy',            1,   64,  0, 1800, 0, 100000, 0, 0, '',  0, 0, 4, 4, 1, 2, 0),
    (4,  1, 1, 0, 2, 3, 3, 'Amplitude against time',       1,  256,  0, 1800, 20,   100, 0, 0, '',  0, 0, 0, 0, 0, 0, 0),
    (5,  1, 1, 0, 3, 3, 4, 'Parametric against time',      1, 2048,  0, 1800, 0,   5000, 0, 0, '',  0, 0, 0, 0, 0, 0, 0),
    -- Correlations
    (6,  2, 1, 0, 0, 2, 2, 'Counts against amplitude',   256,   32, 20,  100, 1,  10000, 0, 1, '',  0, 0, 0, 0, 0, 0, 0),
    (7,  2, 1, 2, 0, 4, 2, 'Energy against amplitude',   256,   64, 20,  100, 1, 100000, 0, 1, '',  0, 0, 0, 0, 0, 0, 0),
    (8,  2, 1, 0, 2, 2, 4, 'Duration against amplitude', 256,  128, 20,  100, 1, 100000, 0, 1, '',  0, 0, 0, 0, 0, 0, 0),
    (9,  2, 1, 2, 2, 4, 4, 'Rise time against amplitude',256,    8, 20,  100, 1, 100000, 0, 1, '',  0, 0, 0, 0, 0, 0, 0),
    (10, 2, 1, 4, 0, 5, 2, 'Duration against counts',     32,  128,  1, 10000, 1, 100000, 1, 1, '', 0, 0, 0, 0, 0, 0, 0),
    (11, 2, 1, 4, 2, 5, 4, 'Amplitude against channel',    2,  256,  0,   10, 20,   100, 0, 0, '',  0, 0, 0, 0, 0, 0, 0),
    -- Distributions
    (12, 3, 3, 0, 0, 3, 2, 'Amplitude distribution',     256,    0, 20,  100, 0,    100, 0, 0, '', 80, 0, 4, 4, 1, 1, 0),
    (13, 3, 3, 0, 2, 3, 4, 'Cumulative amplitude distribution', 256, 0, 20, 100, 1, 10000, 0, 1, '', 80, 0, 4, 4, 1, 3, 0),
    (14, 3, 3, 3, 0, 5, 2, 'Hits by channel',              2,    0,  1,    9, 0,    100, 0, 0, '',  8, 0, 4, 4, 1, 1, 0),
    (15, 3, 3, 3, 2, 5, 4, 'Energy by channel',            2,   64,  1,    9, 0, 100000, 0, 0, '',  8, 0, 4, 4, 1, 1, 0),
    -- Channel 3
    (16, 4, 2, 0, 0, 3, 2, 'Cumulative hits',              1,    0,  0, 1800, 0,   1000, 0, 0, '3', 0, 0, 4, 4, 1, 2, 0),
    (17, 4, 2, 3, 0, 5, 2, 'Cumulative energy',            1,   64,  0, 1800, 0, 100000, 0, 0, '3', 0, 0, 4, 4, 1, 2, 0),
    (18, 4, 1, 0, 2, 3, 4, 'Amplitude against time',       1,  256,  0, 1800, 20,   100, 0, 0, '3', 0, 0, 0, 0, 0, 0, 0),
    (19, 4, 3, 3, 2, 5, 4, 'Cumulative amplitude distribution', 256, 0, 20, 100, 1, 10000, 0, 1, '3', 80, 0, 4, 4, 1, 3, 0),
    -- Other channels
    (20, 5, 2, 0, 0, 3, 2, 'Cumulative hits',              1,    0,  0, 1800, 0,   1000, 0, 0, '1,2,4,5,6,7,8', 0, 0, 4, 4, 1, 2, 0),
    (21, 5, 2, 3, 0, 5, 2, 'Cumulative energy',            1,   64,  0, 1800, 0, 100000, 0, 0, '1,2,4,5,6,7,8', 0, 0, 4, 4, 1, 2, 0),
    (22, 5, 1, 0, 2, 3, 4, 'Amplitude against time',       1,  256,  0, 1800, 20,   100, 0, 0, '1,2,4,5,6,7,8', 0, 0, 0, 0, 0, 0, 0),
    (23, 5, 3, 3, 2, 5, 4, 'Cumulative amplitude distribution', 256, 0, 20, 100, 1, 10000, 0, 1, '1,2,4,5,6,7,8', 80, 0, 4, 4, 1, 3, 0);
