-- Hidden functions: File system.

-- CD-ROM autorun (Windows NT)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (401, 40, 'CD-ROM autorun (Windows NT)', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (401, 401, 'OPTION', 'Start CDs automatically (AUTORUN.INF)', 'Do not start CDs', 2, '#',
    'When a CD is inserted, Windows NT runs the program that its AUTORUN.INF names and refreshes Explorer. Switching it off also stops the drive from being polled.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Cdrom', 'Autorun', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (401, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Cdrom', 'Autorun', '1', 'D'),
    (401, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Cdrom', 'Autorun', '0', 'D');

-- CD-ROM autorun
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (402, 40, 'CD-ROM autorun', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (402, 402, 'OPTION', 'Start CDs automatically (AUTORUN.INF)', 'Do not start CDs', 1, '#',
    'The value is a mask of drive types for which Windows does not run AUTORUN.INF. The second choice adds CD-ROM drives to the usual mask (unknown, network and removable drives).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDriveTypeAutoRun', 'B', 'B5000000', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (402, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDriveTypeAutoRun', '95000000', 'B'),
    (402, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDriveTypeAutoRun', 'B5000000', 'B');

-- Last access time stamps
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (403, 40, 'Last access time stamps', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (403, 403, 'OPTION', 'Record when each file was last read', 'Do not record last access (faster on NTFS)', 2, 'Needs Windows NT 4 with Service Pack 3 or later; NTFS volumes only.',
    'NTFS writes the time of the last access into every file and folder it reads. On volumes with many small files, skipping this saves a lot of disk writes.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisableLastAccessUpdate', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (403, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisableLastAccessUpdate', '0', 'D'),
    (403, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisableLastAccessUpdate', '1', 'D');

-- Short names (8.3) on NTFS
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (404, 40, 'Short names (8.3) on NTFS', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (404, 404, 'OPTION', 'Create an MS-DOS name for every long name', 'Create no short names (faster on NTFS)', 2, '#',
    'NTFS gives every file with a long name an additional MS-DOS name. Without it, folders with many files are faster, but MS-DOS and 16-bit programs cannot see those files.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisable8dot3NameCreation', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (404, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisable8dot3NameCreation', '0', 'D'),
    (404, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NtfsDisable8dot3NameCreation', '1', 'D');

-- Long names on FAT (Windows NT)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (405, 40, 'Long names on FAT (Windows NT)', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (405, 405, 'OPTION', 'Allow long names on FAT drives', 'Only 8.3 names on FAT drives', 2, '#',
    'Windows NT stores long file names on FAT drives as Windows 95 does. Older disk tools that do not know long names may damage them; this switches them off.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'Win31FileSystem', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (405, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'Win31FileSystem', '0', 'D'),
    (405, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'Win31FileSystem', '1', 'D');

-- Numeric tails of short names
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (406, 41, 'Numeric tails of short names', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (406, 406, 'OPTION', 'Short names with ~1 (LONGFI~1.TXT)', 'Short names without ~1 where possible', 2, '#',
    'Short names made from long names end in ~1, ~2 ... Without the tail, Windows uses the first eight characters when they are unique.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (406, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', '1', 'D'),
    (406, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', '0', 'D');

-- Numeric tails of short names
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (407, 41, 'Numeric tails of short names', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (407, 407, 'OPTION', 'Short names with ~1 (LONGFI~1.TXT)', 'Short names without ~1 where possible', 2, '#',
    'Short names made from long names end in ~1, ~2 ... Without the tail, Windows uses the first eight characters when they are unique.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', 'B', '00', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (407, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', '01', 'B'),
    (407, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'NameNumericTail', '00', 'B');

