-- Hidden functions: Explorer.

-- File name extensions
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (101, 10, 'File name extensions', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (101, 101, 'OPTION', 'Show the extensions of known file types', 'Hide the extensions of known file types', 1, 'On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Explorer hides extensions such as .TXT or .EXE for the file types it knows. Showing them makes it harder to be tricked by a file whose icon does not match what it really is.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'HideFileExt', 'D', '0', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (101, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'HideFileExt', '0', 'D'),
    (101, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'HideFileExt', '1', 'D');

-- Hidden and system files
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (102, 10, 'Hidden and system files', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (102, 102, 'OPTION', 'Show all files', 'Do not show hidden and system files', 1, 'On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Explorer leaves out files with the hidden or system attribute. Showing all files helps when repairing a system; hiding them keeps users away from files Windows needs.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'Hidden', 'D', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (102, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'Hidden', '1', 'D'),
    (102, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'Hidden', '2', 'D');

-- Full path in the title bar
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (103, 10, 'Full path in the title bar', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (103, 103, 'OPTION', 'Show the full path in the title bar', 'Show the folder name only', 1, 'On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Explorer windows show only the name of the open folder in their title. With this setting they show the whole path, such as C:\WINDOWS\SYSTEM.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\CabinetState', 'FullPath', 'D', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (103, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\CabinetState', 'FullPath', '1', 'D'),
    (103, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\CabinetState', 'FullPath', '0', 'D');

-- Upper-case file names
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (104, 10, 'Upper-case file names', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (104, 104, 'OPTION', 'Show names in mixed case (FILE.TXT as File.txt)', 'Show names exactly as stored', 1, 'On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Explorer shows 8.3 names that are all capitals in mixed case. Switching this off shows every name as the file system stores it.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'DontPrettyPath', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (104, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'DontPrettyPath', '0', 'D'),
    (104, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced', 'DontPrettyPath', '1', 'D');

-- Extension of shortcut files
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (105, 10, 'Extension of shortcut files', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (105, 105, 'OPTION', 'Show the .LNK extension of shortcuts', 'Hide the .LNK extension of shortcuts', 1, '#',
    'Windows never shows the extension .LNK of shortcuts, whatever the extension setting says, because the file type carries the marker NeverShowExt. Removing the marker shows which files are shortcuts.',
    'REG', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'NeverShowExt', 'T', 'NO Key', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (105, 'A', 'REGDEL', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'NeverShowExt', '#', 'T'),
    (105, 'B', 'REGSET', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'NeverShowExt', '#', 'T');

-- Arrow on shortcut icons
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (106, 10, 'Arrow on shortcut icons', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (106, 106, 'OPTION', 'Show the arrow on shortcut icons', 'Hide the arrow on shortcut icons', 2, 'Both shortcuts to programs (.LNK) and to MS-DOS programs (.PIF) are changed. Windows reads the marker at start-up, so the change shows after a restart.',
    'Windows draws a small arrow over the icon of every shortcut, because the file types of shortcuts carry the marker IsShortcut. Without the marker the arrow goes, and shortcuts look like the files they point to.',
    'REG', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'IsShortcut', 'T', 'NO Key', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (106, 'A', 'REGSET', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'IsShortcut', '#', 'T'),
    (106, 'A', 'REGSET', '#', 'HKEY_CLASSES_ROOT\piffile', 'IsShortcut', '#', 'T'),
    (106, 'B', 'REGDEL', '#', 'HKEY_CLASSES_ROOT\lnkfile', 'IsShortcut', '#', 'T'),
    (106, 'B', 'REGDEL', '#', 'HKEY_CLASSES_ROOT\piffile', 'IsShortcut', '#', 'T');

-- Save Explorer settings at exit
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (107, 10, 'Save Explorer settings at exit', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (107, 107, 'OPTION', 'Save window positions and views at exit', 'Do not save settings at exit', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Windows remembers open folders, window positions and the arrangement of desktop icons when it shuts down. With this policy every session starts from the saved state of before.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSaveSettings', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (107, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSaveSettings', '#', 'T'),
    (107, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSaveSettings', '1', 'D');

-- Recent documents list
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (108, 10, 'Recent documents list', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (108, 108, 'OPTION', 'Keep the list of recent documents', 'Empty the list now', 0, 'The list is the folder RECENT in the Windows folder of Windows 95 and 98; every shortcut in it is deleted at once. Windows NT 4 keeps it in each user''s profile, so the function is not offered there. The choice does not stay selected: once emptied, the list fills again as documents are opened.',
    'The Documents menu of the Start menu lists the files opened last. This deletes the shortcuts of that list.',
    '#', '#', '#', '#', 'T', '', 1, 2, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (108, 'B', 'INISET', '%WD%RECENT\*.LNK', '%DEL%', '#', '#', 'T');

-- Window animation
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (109, 11, 'Window animation', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (109, 109, 'OPTION', 'Animate windows when they are minimised and restored', 'Minimise and restore without animation', 1, '#',
    'Windows draws a moving outline when a window is minimised to the taskbar or restored. Without it, windows appear and disappear at once, which feels faster on slow display adapters.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'MinAnimate', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (109, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'MinAnimate', '1', 'T'),
    (109, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'MinAnimate', '0', 'T');

-- Show window contents while dragging
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (110, 11, 'Show window contents while dragging', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (110, 110, 'OPTION', 'Show the window contents while dragging', 'Show an outline while dragging', 1, '#',
    'Moving or resizing a window draws only its outline until the mouse button is released. Drawing the whole window needs a fast display adapter.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'DragFullWindows', 'T', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (110, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'DragFullWindows', '1', 'T'),
    (110, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'DragFullWindows', '0', 'T');

-- Font smoothing
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (111, 11, 'Font smoothing', 5);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (111, 111, 'OPTION', 'Smooth the edges of screen fonts', 'Draw fonts without smoothing', 1, 'Windows 95 has this only with the Plus! pack; it is therefore offered on Windows 98 and Windows NT 4.',
    'Large screen fonts get grey edge pixels so that curves look less jagged. It needs a display with more than 256 colours.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothing', 'T', '2', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (111, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothing', '2', 'T'),
    (111, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothing', '0', 'T');

-- Smooth scrolling
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (112, 11, 'Smooth scrolling', 4);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (112, 112, 'OPTION', 'Scroll list boxes smoothly', 'Scroll list boxes line by line', 1, '#',
    'List boxes and Explorer views slide to their new position instead of jumping. Switching it off makes scrolling faster on slow computers.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'SmoothScroll', 'B', '00000000', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (112, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'SmoothScroll', '01000000', 'B'),
    (112, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'SmoothScroll', '00000000', 'B');

-- Cursor blink rate
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (113, 11, 'Cursor blink rate', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (113, 113, 'SLIDER', 'Fast', 'Slow', 1, '#',
    'How long, in milliseconds, the text cursor stays on and off. Windows uses 530.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'CursorBlinkRate', 'T', '', 1, 2, '530', 200, 1200);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (113, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'CursorBlinkRate', '%EINGABE%', 'T');

-- System beep
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (114, 11, 'System beep', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (114, 114, 'OPTION', 'Beep on errors', 'Stay silent on errors', 1, '#',
    'Windows sounds a beep through the PC speaker when a program signals an error and no sound card plays the "Default sound".',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Sound', 'Beep', 'T', 'no', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (114, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Sound', 'Beep', 'yes', 'T'),
    (114, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Sound', 'Beep', 'no', 'T');

-- Show the Windows version on the desktop
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (115, 11, 'Show the Windows version on the desktop', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (115, 115, 'OPTION', 'Show version and build in the desktop corner', 'Show no version text', 1, '#',
    'Windows NT can write its version, build number and service pack in the lower right corner of the desktop, which helps when testing on many machines.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'PaintDesktopVersion', 'D', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (115, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'PaintDesktopVersion', '1', 'D'),
    (115, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'PaintDesktopVersion', '0', 'D');

-- Welcome tips at start-up
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (116, 11, 'Welcome tips at start-up', 3);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (116, 116, 'OPTION', 'Show the welcome window with a tip', 'Start without the welcome window', 1, 'Windows 98 has its own Welcome program instead.',
    'After logging on, Windows shows its welcome window with a tip of the day. The window has a check box for the same setting.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Tips', 'Show', 'B', '00000000', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (116, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Tips', 'Show', '01000000', 'B'),
    (116, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Tips', 'Show', '00000000', 'B');

-- Double-click speed
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (117, 12, 'Double-click speed', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (117, 117, 'SLIDER', 'Fast', 'Slow', 1, '#',
    'The longest time in milliseconds between two clicks that still count as a double-click. Windows uses 500.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'DoubleClickSpeed', 'T', '', 1, 2, '500', 100, 900);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (117, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'DoubleClickSpeed', '%EINGABE%', 'T');

-- Double-click area width
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (118, 12, 'Double-click area width', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (118, 118, 'SLIDER', 'Narrow', 'Wide', 1, '#',
    'How far in pixels the mouse may move between the two clicks of a double-click. Windows uses 4.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'DoubleClickWidth', 'T', '', 1, 2, '4', 1, 32);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (118, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'DoubleClickWidth', '%EINGABE%', 'T');

-- Drag start distance
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (119, 12, 'Drag start distance', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (119, 119, 'SLIDER', 'Short', 'Long', 1, 'The height of the drag rectangle (DragHeight) keeps its value.',
    'How far in pixels the mouse must move with the button held down before a drag begins. A larger distance prevents dragging by accident. Windows uses 4.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'DragWidth', 'T', '', 1, 2, '4', 1, 50);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (119, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'DragWidth', '%EINGABE%', 'T');

-- Mouse trails
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (120, 12, 'Mouse trails', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (120, 120, 'SLIDER', 'None', 'Long', 1, 'Windows NT 4 has no mouse trails. Not every display driver draws them.',
    'The mouse pointer leaves a trail of up to seven copies, which makes it easier to find on LCD screens. 0 shows no trail.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'MouseTrails', 'T', '', 1, 2, '0', 0, 7);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (120, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'MouseTrails', '%EINGABE%', 'T');

-- Swap mouse buttons
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (121, 12, 'Swap mouse buttons', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (121, 121, 'OPTION', 'Right-handed (primary button left)', 'Left-handed (primary button right)', 1, '#',
    'Swaps the functions of the left and right mouse buttons.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SwapMouseButtons', 'T', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (121, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SwapMouseButtons', '0', 'T'),
    (121, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SwapMouseButtons', '1', 'T');

-- Pointer jumps to the default button
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (122, 12, 'Pointer jumps to the default button', 5);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (122, 122, 'OPTION', 'Move the pointer onto the default button of dialogs', 'Leave the pointer where it is', 1, 'Windows 95 lacks it (some mouse drivers offer their own).',
    'When a dialog opens, the pointer moves onto its default button, such as OK.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SnapToDefaultButton', 'T', '1', 1, 2, '2', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (122, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SnapToDefaultButton', '1', 'T'),
    (122, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Mouse', 'SnapToDefaultButton', '0', 'T');

-- Keyboard repeat delay
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (123, 12, 'Keyboard repeat delay', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (123, 123, 'SLIDER', 'Short', 'Long', 1, '#',
    'How long a key must be held before it repeats: 0 is about 250 ms, 3 about one second. Windows uses 1.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Keyboard', 'KeyboardDelay', 'T', '', 1, 2, '1', 0, 3);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (123, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Keyboard', 'KeyboardDelay', '%EINGABE%', 'T');

-- Keyboard repeat rate
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (124, 12, 'Keyboard repeat rate', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (124, 124, 'SLIDER', 'Slow', 'Fast', 1, '#',
    'How fast a held key repeats: 0 is about 2.5, 31 about 30 characters per second. Windows uses 31.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Keyboard', 'KeyboardSpeed', 'T', '', 1, 2, '31', 0, 31);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (124, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Keyboard', 'KeyboardSpeed', '%EINGABE%', 'T');
