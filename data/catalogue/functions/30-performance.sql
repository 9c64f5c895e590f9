-- Hidden functions: Performance.

-- Keep the kernel in memory
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (301, 30, 'Keep the kernel in memory', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (301, 301, 'OPTION', 'Let Windows NT page out kernel and drivers', 'Keep kernel and drivers in memory', 2, 'Only useful with plenty of memory (64 MB or more).',
    'Windows NT may write parts of its kernel and drivers to the paging file when memory runs short. With enough memory, keeping them resident makes the system react faster.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'DisablePagingExecutive', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (301, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'DisablePagingExecutive', '0', 'D'),
    (301, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'DisablePagingExecutive', '1', 'D');

-- Large file cache
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (302, 30, 'Large file cache', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (302, 302, 'OPTION', 'Favour programs (workstation)', 'Favour the file cache (server)', 2, '#',
    'Windows NT Workstation gives memory to programs first; a server gives it to the file cache. The Server service of the Network control panel changes the same value.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'LargeSystemCache', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (302, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'LargeSystemCache', '0', 'D'),
    (302, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'LargeSystemCache', '1', 'D');

-- Clear the paging file at shut-down
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (303, 30, 'Clear the paging file at shut-down', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (303, 303, 'OPTION', 'Leave the paging file as it is', 'Overwrite the paging file at shut-down', 2, '#',
    'The paging file can hold fragments of documents and passwords. Overwriting it at shut-down keeps them from being read from the disk later, at the cost of a slower shut-down.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'ClearPageFileAtShutdown', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (303, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'ClearPageFileAtShutdown', '0', 'D'),
    (303, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Memory Management', 'ClearPageFileAtShutdown', '1', 'D');

-- Conservative swap file use
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (304, 30, 'Conservative swap file use', 4);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (304, 304, 'OPTION', 'Use the swap file only when memory is full', 'Use the swap file as Windows 98 does', 2, 'This is the behaviour of Windows 95. Windows 98 writes pages to the swap file earlier, to keep memory free for the disk cache.',
    'Windows 98 starts writing memory to the swap file before memory is full. With plenty of memory, using the swap file only when needed reduces disk activity.',
    'INI', '%WD%SYSTEM.INI', '386Enh', 'ConservativeSwapfileUsage', 'T', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (304, 'A', 'INISET', '%WD%SYSTEM.INI', '386Enh', 'ConservativeSwapfileUsage', '1', 'T'),
    (304, 'B', 'INISET', '%WD%SYSTEM.INI', '386Enh', 'ConservativeSwapfileUsage', '0', 'T');

-- Rebuild the font cache
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (305, 30, 'Rebuild the font cache', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (305, 305, 'OPTION', 'Keep the font cache', 'Delete the font cache (rebuilt at the next start)', 2, 'The choice does not stay selected: Windows builds a new cache file as it starts.',
    'Windows 95 and 98 keep a cache of TrueType fonts in the file TTFCACHE of the Windows folder. A damaged cache shows as wrong or missing fonts; deleting it makes Windows build it anew. Windows holds the file open while it runs, so the deletion works only on an image that is not running (a Wine prefix has no TTFCACHE: Wine keeps no such cache, and there is nothing to delete).',
    '#', '#', '#', '#', 'T', '', 1, 2, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (305, 'B', 'INISET', '%WD%TTFCACHE', '%DEL%', '#', '#', 'T');

-- Write-behind caching
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (306, 40, 'Write-behind caching', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (306, 306, 'OPTION', 'Cache disk writes (faster)', 'Write every change at once (safer)', 2, '#',
    'Windows 95 and 98 keep data to be written in the disk cache for a moment. Writing at once protects data on computers that lose power, at the cost of speed. The File System dialog (Troubleshooting page) changes the same value.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'DriveWriteBehind', 'B', '00000000', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (306, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'DriveWriteBehind', 'FFFFFFFF', 'B'),
    (306, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\FileSystem', 'DriveWriteBehind', '00000000', 'B');

-- Hung program timeout
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (307, 32, 'Hung program timeout', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (307, 307, 'OPTION', 'Wait 5 seconds for a program that does not answer', 'Wait 2 seconds', 1, '#',
    'How long Windows waits for a program that does not respond before it offers to end it when shutting down.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'HungAppTimeout', 'T', '2000', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (307, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'HungAppTimeout', '5000', 'T'),
    (307, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'HungAppTimeout', '2000', 'T');

-- Wait to end tasks at shut-down
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (308, 32, 'Wait to end tasks at shut-down', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (308, 308, 'SLIDER', '1 second', '20 seconds', 1, '#',
    'How many milliseconds Windows NT waits at shut-down for each program to end before it offers to end it. Windows uses 20000.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'WaitToKillAppTimeout', 'T', '', 1, 2, '20000', 1000, 20000);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (308, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'WaitToKillAppTimeout', '%EINGABE%', 'T');

-- Wait to end services at shut-down
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (309, 32, 'Wait to end services at shut-down', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (309, 309, 'SLIDER', '1 second', '20 seconds', 2, '#',
    'How many milliseconds Windows NT waits at shut-down for each service to stop. Windows uses 20000.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control', 'WaitToKillServiceTimeout', 'T', '', 1, 2, '20000', 1000, 20000);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (309, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control', 'WaitToKillServiceTimeout', '%EINGABE%', 'T');
