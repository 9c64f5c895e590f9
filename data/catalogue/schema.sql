-- Tables of the catalogue file QUORVIA.MDE.
-- Every ID that the program reads back after an insert is assigned by the
-- database (INTEGER PRIMARY KEY AUTOINCREMENT: never reused after a delete).

-- Sidebar folders. FLDR_SmalSymb holds the bold-names switch and FLDR_BoldCtrl
-- the small-icons switch: the names say the opposite, stored data relies on it.
CREATE TABLE BAR_FOLDER (
    ID             INTEGER PRIMARY KEY AUTOINCREMENT,
    FLDR_Name      TEXT NOT NULL,
    FLDR_BackColor INTEGER NOT NULL DEFAULT 0,
    FLDR_SmalSymb  INTEGER NOT NULL DEFAULT 0,
    FLDR_BoldCtrl  INTEGER DEFAULT 0
);

-- Sidebar groups; Mode is one of SYST, HIDD, TOOL, UTIL.
CREATE TABLE BAR_CONTROL (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    BAR_ID     INTEGER NOT NULL,
    CTRL_Folge INTEGER NOT NULL,
    CTRL_Name  TEXT NOT NULL,
    CTRL_Info  TEXT NOT NULL DEFAULT '*',
    CTRL_Icon  TEXT NOT NULL DEFAULT 'Default Icon',
    CTRL_Color INTEGER NOT NULL DEFAULT 0,
    Mode       TEXT NOT NULL CHECK (Mode IN ('SYST', 'HIDD', 'TOOL', 'UTIL'))
);
CREATE INDEX BAR_CONTROL_BAR_ID ON BAR_CONTROL (BAR_ID, CTRL_Folge);

-- Tools and utilities of the UTIL groups.
CREATE TABLE LIST_UTILITI (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    CTRL_ID   INTEGER NOT NULL,
    UtilName  TEXT NOT NULL,
    Datei     TEXT NOT NULL,
    WorkPath  TEXT,
    IconFile  TEXT,
    Parameter TEXT,
    Stil      INTEGER
);
CREATE INDEX LIST_UTILITI_CTRL_ID ON LIST_UTILITI (CTRL_ID);

-- Folders of the hidden functions: UF_FID 0 for a top-level folder, else the
-- ID of the top-level folder above it (two levels only).
CREATE TABLE HIDDEN_FOLDERS (
    ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    FolderName TEXT NOT NULL,
    UF_FID     INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX HIDDEN_FOLDERS_UF_FID ON HIDDEN_FOLDERS (UF_FID);

-- The hidden functions. BS: bit 0 Windows NT 4, bit 1 Windows 95, bit 2 Windows 98.
CREATE TABLE HIDDEN_ITEMS (
    ID        INTEGER PRIMARY KEY AUTOINCREMENT,
    Folder_ID INTEGER NOT NULL,
    ItemName  TEXT NOT NULL,
    BS        INTEGER NOT NULL CHECK (BS BETWEEN 0 AND 7)
);
CREATE INDEX HIDDEN_ITEMS_Folder_ID ON HIDDEN_ITEMS (Folder_ID);

-- How a function's current value is read and shown. "#" marks an empty field.
CREATE TABLE HIDDEN_EIGENSCHAFT (
    ID              INTEGER PRIMARY KEY AUTOINCREMENT,
    ITEM_ID         INTEGER NOT NULL,
    TYP             TEXT NOT NULL,
    A_BESCHRIFTUNG  TEXT NOT NULL DEFAULT '#',
    B_BESCHRIFTUNG  TEXT NOT NULL DEFAULT '#',
    Neustart        INTEGER NOT NULL DEFAULT 0,
    Sonstiges       TEXT NOT NULL DEFAULT '#',
    Hilfe           TEXT NOT NULL DEFAULT '',
    MOM_Art         TEXT NOT NULL DEFAULT '#',
    MOM_Datei       TEXT NOT NULL DEFAULT '#',
    MOM_MainSubKey  TEXT NOT NULL DEFAULT '#',
    MOM_ValueKey    TEXT NOT NULL DEFAULT '#',
    MOM_ValueFormat TEXT NOT NULL DEFAULT 'T',
    Wenn            TEXT NOT NULL DEFAULT '',
    Dann            INTEGER NOT NULL DEFAULT 1,
    Sonst           INTEGER NOT NULL DEFAULT 2,
    Standard        TEXT NOT NULL DEFAULT '',
    SliderMin       INTEGER NOT NULL DEFAULT 0,
    SliderMax       INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX HIDDEN_EIGENSCHAFT_ITEM_ID ON HIDDEN_EIGENSCHAFT (ITEM_ID);

-- The commands of each choice, run in the order of insertion (the index on
-- ITEM_ID returns rows of one item in rowid order).
CREATE TABLE HIDDEN_BEFEHLE (
    ITEM_ID         INTEGER NOT NULL,
    Kennung         TEXT NOT NULL,
    SET_Art         TEXT NOT NULL,
    SET_Datei       TEXT NOT NULL DEFAULT '#',
    SET_MainSubKey  TEXT NOT NULL DEFAULT '#',
    SET_ValueKey    TEXT NOT NULL DEFAULT '#',
    SET_Wert        TEXT NOT NULL DEFAULT '#',
    SET_ValueFormat TEXT NOT NULL DEFAULT 'T'
);
CREATE INDEX HIDDEN_BEFEHLE_ITEM_ID ON HIDDEN_BEFEHLE (ITEM_ID);
