-- Hidden functions: Boot.

-- Start-up menu
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (701, 70, 'Start-up menu', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (701, 701, 'OPTION', 'Start Windows directly', 'Show the start-up menu at every start', 2, 'MSDOS.SYS is a hidden, read-only system file; Vantix clears these attributes to change it and keeps a copy as MSDOS.VTX in the same folder.',
    'The start-up menu (normally reached with F8) offers safe mode, a step-by-step start and the MS-DOS prompt. It can be shown at every start.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootMenu', 'T', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (701, 'A', 'INISET', '%BD%MSDOS.SYS', '%COPY%', '%BD%MSDOS.VTX', '#', 'T'),
    (701, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootMenu', '0', 'T'),
    (701, 'B', 'INISET', '%BD%MSDOS.SYS', '%COPY%', '%BD%MSDOS.VTX', '#', 'T'),
    (701, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootMenu', '1', 'T');

-- Start-up menu wait
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (702, 70, 'Start-up menu wait', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (702, 702, 'SLIDER', '0 s', '30 s', 2, 'Windows 95 and 98 read the value only when the start-up menu is shown.',
    'How many seconds the start-up menu waits before it starts the highlighted choice. Windows uses 30.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootMenuDelay', 'T', '', 1, 2, '30', 0, 30);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (702, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootMenuDelay', '%EINGABE%', 'T');

-- Graphical user interface
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (703, 70, 'Graphical user interface', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (703, 703, 'OPTION', 'Start Windows', 'Stop at the MS-DOS prompt (type WIN to start Windows)', 2, '#',
    'Whether the computer starts Windows or stops at the MS-DOS command prompt after CONFIG.SYS and AUTOEXEC.BAT.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootGUI', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (703, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootGUI', '1', 'T'),
    (703, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootGUI', '0', 'T');

-- Start-up logo
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (704, 70, 'Start-up logo', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (704, 704, 'OPTION', 'Show the animated logo', 'Show the start-up messages instead', 2, '#',
    'Windows hides the messages of CONFIG.SYS and AUTOEXEC.BAT behind its logo. Without the logo the messages can be read, and some memory managers work better.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'Logo', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (704, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'Logo', '1', 'T'),
    (704, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'Logo', '0', 'T');

-- Start-up keys
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (705, 70, 'Start-up keys', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (705, 705, 'OPTION', 'Allow F5, F6 and F8 during start-up', 'Ignore the start-up keys', 2, '#',
    'The keys F5 (safe mode) and F8 (start-up menu) work while Windows starts. Switching them off keeps users from bypassing the start-up files.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootKeys', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (705, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootKeys', '1', 'T'),
    (705, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootKeys', '0', 'T');

-- Safe mode warning
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (706, 70, 'Safe mode warning', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (706, 706, 'OPTION', 'Warn when starting in safe mode', 'Start safe mode without a warning', 2, '#',
    'Windows tells the user that it runs in safe mode and why.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootWarn', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (706, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootWarn', '1', 'T'),
    (706, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootWarn', '0', 'T');

-- DriveSpace driver
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (707, 70, 'DriveSpace driver', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (707, 707, 'OPTION', 'Load the DriveSpace driver at start', 'Do not load DriveSpace', 2, '#',
    'Windows loads DRVSPACE.BIN at every start, which takes conventional memory, even when no compressed drive exists.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'DrvSpace', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (707, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'DrvSpace', '1', 'T'),
    (707, 'B', 'INISET', '%BD%MSDOS.SYS', 'Options', 'DrvSpace', '0', 'T');

-- Start-up wait
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (708, 70, 'Start-up wait', 2);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (708, 708, 'SLIDER', '0 s', '10 s', 2, 'Windows 98 does not wait and ignores the value.',
    'How many seconds Windows 95 waits for F5, F6 or F8 after "Starting Windows 95" appears. Windows uses 2.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'BootDelay', 'T', '', 1, 2, '2', 0, 10);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (708, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'BootDelay', '%EINGABE%', 'T');

-- Automatic ScanDisk
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (709, 70, 'Automatic ScanDisk', 4);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (709, 709, 'SLIDER', 'Never', 'Without asking', 2, '0 never runs ScanDisk, 1 asks first, 2 runs it without asking.',
    'What Windows 98 does at start-up after it was not shut down properly: 0 nothing, 1 run ScanDisk after asking, 2 run ScanDisk without asking. Windows uses 1.',
    'INI', '%BD%MSDOS.SYS', 'Options', 'AutoScan', 'T', '', 1, 2, '1', 0, 2);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (709, 'A', 'INISET', '%BD%MSDOS.SYS', 'Options', 'AutoScan', '%EINGABE%', 'T');

-- Shut-down screens
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (710, 70, 'Shut-down screens', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (710, 710, 'OPTION', 'Show "Please wait" and "It''s now safe" screens', 'Shut down without the screens', 2, 'The screens are the files LOGOW.SYS and LOGOS.SYS of the Windows folder; Vantix renames them to LOGOW.BAK and LOGOS.BAK and back. Their state cannot be read, so the page always opens on the first choice.',
    'While shutting down, Windows shows "Please wait while your computer shuts down" and then "It''s now safe to turn off your computer". Without the pictures it shows the same text in text mode.',
    '#', '#', '#', '#', 'T', '', 1, 2, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (710, 'A', 'INISET', '%WD%LOGOW.BAK', '%RENAME%', '%WD%LOGOW.SYS', '#', 'T'),
    (710, 'A', 'INISET', '%WD%LOGOS.BAK', '%RENAME%', '%WD%LOGOS.SYS', '#', 'T'),
    (710, 'B', 'INISET', '%WD%LOGOW.SYS', '%RENAME%', '%WD%LOGOW.BAK', '#', 'T'),
    (710, 'B', 'INISET', '%WD%LOGOS.SYS', '%RENAME%', '%WD%LOGOS.BAK', '#', 'T');

-- Boot menu wait
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (711, 71, 'Boot menu wait', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (711, 711, 'SLIDER', '0 s', '999 s', 0, 'BOOT.INI is a hidden, read-only system file; Vantix clears these attributes to change it. The Bootlam module edits the whole file.',
    'How many seconds the boot menu of Windows NT waits before it starts the default system. Windows uses 30.',
    'INI', '%BD%BOOT.INI', 'boot loader', 'timeout', 'T', '', 1, 2, '30', 0, 999);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (711, 'A', 'INISET', '%BD%BOOT.INI', 'boot loader', 'timeout', '%EINGABE%', 'T');

-- Automatic restart after a stop error
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (712, 71, 'Automatic restart after a stop error', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (712, 712, 'OPTION', 'Stay on the blue screen after a stop error', 'Restart automatically', 2, '#',
    'After a stop error ("blue screen") Windows NT can restart by itself instead of waiting. Servers are usually set to restart.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'AutoReboot', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (712, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'AutoReboot', '0', 'D'),
    (712, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'AutoReboot', '1', 'D');

-- Log stop errors
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (713, 71, 'Log stop errors', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (713, 713, 'OPTION', 'Write an event to the system log', 'Write no event', 2, '#',
    'After a stop error Windows NT writes an entry to the system event log at the next start.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'LogEvent', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (713, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'LogEvent', '1', 'D'),
    (713, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'LogEvent', '0', 'D');

-- Send an alert on stop errors
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (714, 71, 'Send an alert on stop errors', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (714, 714, 'OPTION', 'Send no alert', 'Alert the administrators over the network', 2, '#',
    'After a stop error Windows NT sends an administrative alert to the users named in the Alerter service.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'SendAlert', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (714, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'SendAlert', '0', 'D'),
    (714, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'SendAlert', '1', 'D');

-- Memory dump on stop errors
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (715, 71, 'Memory dump on stop errors', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (715, 715, 'OPTION', 'Write no memory dump', 'Write the memory to MEMORY.DMP', 2, '#',
    'After a stop error Windows NT can write the whole memory to the file MEMORY.DMP, for support engineers. It needs a paging file on the system drive at least as large as the memory.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'CrashDumpEnabled', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (715, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'CrashDumpEnabled', '0', 'D'),
    (715, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\CrashControl', 'CrashDumpEnabled', '1', 'D');
