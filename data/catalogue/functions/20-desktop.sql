-- Hidden functions: Desktop and Start menu.

-- Desktop icons
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (201, 20, 'Desktop icons', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (201, 201, 'OPTION', 'Show the icons on the desktop', 'Hide every icon on the desktop', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Hides all icons on the desktop, including My Computer and the Recycle Bin. Right-clicking the desktop no longer opens its menu.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDesktop', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (201, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDesktop', '#', 'T'),
    (201, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDesktop', '1', 'D');

-- Network Neighborhood icon
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (202, 20, 'Network Neighborhood icon', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (202, 202, 'OPTION', 'Show Network Neighborhood', 'Hide Network Neighborhood', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Network Neighborhood icon from the desktop and Explorer. Network drives that are already mapped still work.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoNetHood', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (202, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoNetHood', '#', 'T'),
    (202, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoNetHood', '1', 'D');

-- Internet Explorer icon
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (203, 20, 'Internet Explorer icon', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (203, 203, 'OPTION', 'Show the Internet icon on the desktop', 'Hide the Internet icon', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Internet Explorer icon ("The Internet") from the desktop.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoInternetIcon', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (203, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoInternetIcon', '#', 'T'),
    (203, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoInternetIcon', '1', 'D');

-- Name of the Recycle Bin
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (204, 20, 'Name of the Recycle Bin', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (204, 204, 'TEXT', 'Name of the Recycle Bin on the desktop:', '#', 1, '#',
    'The caption of the Recycle Bin icon on the desktop and in Explorer. Emptying the field restores the name Windows uses.',
    'REG', '#', 'HKEY_CLASSES_ROOT\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}', '#', 'T', '', 1, 2, 'Recycle Bin', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (204, 'A', 'REGSET', '#', 'HKEY_CLASSES_ROOT\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}', '#', '%EINGABE%', 'T'),
    (204, 'B', 'REGSET', '#', 'HKEY_CLASSES_ROOT\CLSID\{645FF040-5081-101B-9F08-00AA002F954E}', '#', 'Recycle Bin', 'T');

-- Name of My Computer
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (205, 20, 'Name of My Computer', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (205, 205, 'TEXT', 'Name of My Computer on the desktop:', '#', 1, '#',
    'The caption of the My Computer icon. Many administrators put the computer name here. Emptying the field restores the name Windows uses.',
    'REG', '#', 'HKEY_CLASSES_ROOT\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}', '#', 'T', '', 1, 2, 'My Computer', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (205, 'A', 'REGSET', '#', 'HKEY_CLASSES_ROOT\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}', '#', '%EINGABE%', 'T'),
    (205, 'B', 'REGSET', '#', 'HKEY_CLASSES_ROOT\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}', '#', 'My Computer', 'T');

-- Wrap icon titles
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (206, 20, 'Wrap icon titles', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (206, 206, 'OPTION', 'Wrap long icon titles onto several lines', 'Keep icon titles on one line', 1, 'Windows NT 4 keeps this setting in the Desktop key instead.',
    'Long captions of desktop icons are broken onto up to three lines. On one line they are cut off with an ellipsis.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'IconTitleWrap', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (206, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'IconTitleWrap', '1', 'T'),
    (206, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics', 'IconTitleWrap', '0', 'T');

-- Wrap icon titles
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (207, 20, 'Wrap icon titles', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (207, 207, 'OPTION', 'Wrap long icon titles onto several lines', 'Keep icon titles on one line', 1, '#',
    'Long captions of desktop icons are broken onto up to three lines. On one line they are cut off with an ellipsis.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'IconTitleWrap', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (207, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'IconTitleWrap', '1', 'T'),
    (207, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'IconTitleWrap', '0', 'T');

-- Run command
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (208, 21, 'Run command', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (208, 208, 'OPTION', 'Show Run in the Start menu', 'Remove Run from the Start menu', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Run command from the Start menu, so that programs can only be started from icons and menus.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRun', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (208, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRun', '#', 'T'),
    (208, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRun', '1', 'D');

-- Find command
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (209, 21, 'Find command', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (209, 209, 'OPTION', 'Show Find in the Start menu', 'Remove Find from the Start menu', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Find command from the Start menu and the Find key combinations of Explorer.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFind', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (209, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFind', '#', 'T'),
    (209, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFind', '1', 'D');

-- Shut Down command
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (210, 21, 'Shut Down command', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (210, 210, 'OPTION', 'Show Shut Down in the Start menu', 'Remove Shut Down from the Start menu', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes Shut Down from the Start menu. The computer can then only be switched off or restarted by other means.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoClose', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (210, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoClose', '#', 'T'),
    (210, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoClose', '1', 'D');

-- Settings folders
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (211, 21, 'Settings folders', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (211, 211, 'OPTION', 'Show Control Panel and Printers', 'Remove Control Panel and Printers from Settings', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Control Panel and Printers folders from the Settings menu and from My Computer.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetFolders', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (211, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetFolders', '#', 'T'),
    (211, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetFolders', '1', 'D');

-- Taskbar settings
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (212, 21, 'Taskbar settings', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (212, 212, 'OPTION', 'Allow changing the taskbar and Start menu', 'Remove Taskbar from Settings', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Taskbar item from the Settings menu, so that the Start menu and the taskbar cannot be changed.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetTaskbar', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (212, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetTaskbar', '#', 'T'),
    (212, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoSetTaskbar', '1', 'D');

-- Documents menu
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (213, 21, 'Documents menu', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (213, 213, 'OPTION', 'Show the Documents menu', 'Remove the Documents menu', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting. On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Removes the Documents menu, which lists recently opened files, from the Start menu.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRecentDocsMenu', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (213, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRecentDocsMenu', '#', 'T'),
    (213, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoRecentDocsMenu', '1', 'D');

-- Clear recent documents at exit
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (214, 21, 'Clear recent documents at exit', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (214, 214, 'OPTION', 'Keep the list of recent documents', 'Clear the list when Windows shuts down', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting. On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Empties the Documents menu each time the user logs off or Windows shuts down, so the next user cannot see what was opened.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'ClearRecentDocsOnExit', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (214, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'ClearRecentDocsOnExit', '#', 'T'),
    (214, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'ClearRecentDocsOnExit', '1', 'D');

-- Favorites menu
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (215, 21, 'Favorites menu', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (215, 215, 'OPTION', 'Show the Favorites menu', 'Remove the Favorites menu', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting. On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'Removes the Favorites menu from the Start menu.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFavoritesMenu', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (215, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFavoritesMenu', '#', 'T'),
    (215, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoFavoritesMenu', '1', 'D');

-- Menu delay
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (216, 21, 'Menu delay', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (216, 216, 'SLIDER', 'Immediately', 'Slowly', 1, '#',
    'How many milliseconds a submenu of the Start menu waits before it opens under the pointer. Windows uses 400; 0 opens menus at once.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'MenuShowDelay', 'T', '', 1, 2, '400', 0, 1000);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (216, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'MenuShowDelay', '%EINGABE%', 'T');

-- Wallpaper
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (217, 22, 'Wallpaper', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (217, 217, 'TEXT', 'Picture file (.BMP) for the desktop background:', '#', 1, '#',
    'The bitmap shown on the desktop. Emptying the field shows no picture. Windows 98 and Active Desktop also take HTML and JPEG pictures through the Display properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'Wallpaper', 'T', '', 1, 2, '(None)', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (217, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'Wallpaper', '%EINGABE%', 'T'),
    (217, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'Wallpaper', '(None)', 'T');

-- Tile the wallpaper
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (218, 22, 'Tile the wallpaper', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (218, 218, 'OPTION', 'Centre the wallpaper', 'Tile the wallpaper over the whole desktop', 1, '#',
    'Whether a small wallpaper picture is shown once in the middle of the screen or repeated over the whole desktop.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'TileWallpaper', 'T', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (218, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'TileWallpaper', '0', 'T'),
    (218, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'TileWallpaper', '1', 'T');

-- Screen saver
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (219, 22, 'Screen saver', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (219, 219, 'OPTION', 'Start the screen saver when the computer is idle', 'Never start the screen saver', 1, '#',
    'Switches the screen saver chosen in the Display properties on or off without forgetting which one it is.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'ScreenSaveActive', 'T', '1', 1, 2, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (219, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'ScreenSaveActive', '1', 'T'),
    (219, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'ScreenSaveActive', '0', 'T');

-- Screen saver wait
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (220, 22, 'Screen saver wait', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (220, 220, 'SLIDER', '1 minute', '1 hour', 1, '#',
    'How many seconds the computer must be idle before the screen saver starts. Windows uses 900 (15 minutes).',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'ScreenSaveTimeOut', 'T', '', 1, 2, '900', 60, 3600);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (220, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'ScreenSaveTimeOut', '%EINGABE%', 'T');
