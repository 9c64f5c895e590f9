-- Hidden functions: Wine's own settings, the values that winecfg, Wine's graphics,
-- input and sound parts read from the image's registry (checked against Wine 8).
INSERT INTO HIDDEN_FOLDERS (ID, FolderName, UF_FID) VALUES
    (8, 'Wine', 0),
    (80, 'Desktop and windows', 8),
    (81, 'Fonts and resolution', 8),
    (82, 'Direct3D, input and sound', 8);

-- Virtual desktop
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (801, 80, 'Virtual desktop', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (801, 801, 'OPTION', 'Each program opens its windows on the host desktop', 'Programs run inside one virtual desktop window', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'With a virtual desktop every program of the image runs inside one window of the size set in "Virtual desktop size", as on a screen of its own. Games that change the screen resolution then change only that window. winecfg calls it "Emulate a virtual desktop"; it writes "Desktop"="Default" below Software\Wine\Explorer and deletes the value to switch it off.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer', 'Desktop', 'T', 'Default', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (801, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer', 'Desktop', '#', 'T'),
    (801, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer', 'Desktop', 'Default', 'T');

-- Virtual desktop size
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (802, 80, 'Virtual desktop size', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (802, 802, 'TEXT', 'Size of the virtual desktop (width x height, e.g. 1024x768):', '#', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'The size of the virtual desktop window in pixels, written as WIDTHxHEIGHT. Wine uses it while "Virtual desktop" is switched on; winecfg keeps it in Software\Wine\Explorer\Desktops, value "Default". Emptying the field restores 800x600, the size winecfg offers.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops', 'Default', 'T', '', 1, 2, '800x600', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (802, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops', 'Default', '%EINGABE%', 'T'),
    (802, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops', 'Default', '800x600', 'T');

-- Window decorations
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (803, 80, 'Window decorations', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (803, 803, 'OPTION', 'The window manager draws the title bars and frames', 'Wine draws title bars and frames itself', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'Whether the host''s window manager decorates the windows of Windows programs. Switched off, Wine draws the frames as Windows does, which some programs with windows of their own shape need. winecfg: "Allow the window manager to decorate the windows" ("Decorated", Y or N, below Software\Wine\X11 Driver).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Decorated', 'T', 'N', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (803, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Decorated', 'Y', 'T'),
    (803, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Decorated', 'N', 'T');

-- Window manager control
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (804, 80, 'Window manager control', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (804, 804, 'OPTION', 'The window manager controls the windows', 'Wine keeps the windows out of the window manager''s hands', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'Whether the host''s window manager may move, stack and focus the windows of Windows programs. Switched off, the windows behave as on Windows but no longer take part in the host''s window switching. winecfg: "Allow the window manager to control the windows" ("Managed", Y or N, below Software\Wine\X11 Driver).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Managed', 'T', 'N', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (804, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Managed', 'Y', 'T'),
    (804, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'Managed', 'N', 'T');

-- Screen resolution (DPI)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (811, 81, 'Screen resolution (DPI)', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (811, 811, 'SLIDER', '96 dpi', '480 dpi', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'The dots per inch that Wine reports to programs: fonts and dialogs grow with it. Windows uses 96; 120 and 144 suit large screens. winecfg writes the number as the DWORD "LogPixels" below Control Panel\Desktop of the user.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'LogPixels', 'D', '', 1, 2, '96', 96, 480);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (811, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'LogPixels', '%EINGABE%', 'D');

-- Font smoothing type
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (813, 81, 'Font smoothing type', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (813, 813, 'OPTION', 'Grey smoothing', 'Subpixel smoothing (ClearType)', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'How smoothed fonts are drawn while font smoothing is on (the function "Font smoothing" under Explorer, Windows and animation): in shades of grey, or with the colour subpixels of a flat screen, which looks sharper there. Wine reads the DWORD "FontSmoothingType" (1 grey, 2 subpixel) below Control Panel\Desktop.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingType', 'D', '2', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (813, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingType', '1', 'D'),
    (813, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingType', '2', 'D');

-- Subpixel order
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (814, 81, 'Subpixel order', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (814, 814, 'OPTION', 'Red, green, blue (most flat screens)', 'Blue, green, red', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'The order of the colour subpixels of the screen, for subpixel smoothing. Most flat screens are RGB; choose BGR when smoothed letters show coloured fringes. Wine reads the DWORD "FontSmoothingOrientation" (1 RGB, 0 BGR) below Control Panel\Desktop.',
    'REG', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingOrientation', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (814, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingOrientation', '1', 'D'),
    (814, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Control Panel\Desktop', 'FontSmoothingOrientation', '0', 'D');

-- Direct3D renderer
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (821, 82, 'Direct3D renderer', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (821, 821, 'OPTION', 'OpenGL (Wine''s default)', 'Vulkan', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'What Wine''s Direct3D draws with. Vulkan needs a Vulkan driver on the host; without one, Direct3D programs fail to start. Wine reads "renderer" ("gl", "vulkan" or "no3d", as text) below Software\Wine\Direct3D; winecfg of Wine 8 has no field for it. The first choice deletes the value, so Wine uses its default.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'renderer', 'T', 'vulkan', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (821, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'renderer', '#', 'T'),
    (821, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'renderer', 'vulkan', 'T');

-- Command-stream multithreading
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (822, 82, 'Command-stream multithreading', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (822, 822, 'OPTION', 'On (Wine''s default)', 'Off', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'Wine''s Direct3D hands its drawing commands to a thread of their own, which makes most games faster. Switch it off for a program that draws wrongly or hangs with it. Wine reads the DWORD "csmt" (0 off) below Software\Wine\Direct3D; the first choice deletes the value.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'csmt', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (822, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'csmt', '#', 'T'),
    (822, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Direct3D', 'csmt', '0', 'D');

-- Mouse warping for games
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (823, 82, 'Mouse warping for games', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (823, 823, 'OPTION', 'Warp the pointer when a game asks (Wine''s default)', 'Always keep the pointer inside the game''s window', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'Games that read the mouse through DirectInput move the pointer back to the middle of their window. "force" keeps doing so for games whose view otherwise stops turning at the screen edge. Wine reads "MouseWarpOverride" ("enable", "disable" or "force", as text) below Software\Wine\DirectInput; the first choice deletes the value. A value "disable" set elsewhere shows as the first choice.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\DirectInput', 'MouseWarpOverride', 'T', 'force', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (823, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Wine\DirectInput', 'MouseWarpOverride', '#', 'T'),
    (823, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\DirectInput', 'MouseWarpOverride', 'force', 'T');

-- Grab the pointer in full screen
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (824, 82, 'Grab the pointer in full screen', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (824, 824, 'OPTION', 'The pointer can leave a full-screen window', 'A full-screen window keeps the pointer', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'Whether a full-screen program captures the mouse pointer, so that it cannot wander onto another screen. winecfg: "Automatically capture the mouse in full-screen windows" ("GrabFullscreen", Y or N, below Software\Wine\X11 Driver).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'GrabFullscreen', 'T', 'Y', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (824, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'GrabFullscreen', 'N', 'T'),
    (824, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\X11 Driver', 'GrabFullscreen', 'Y', 'T');

-- Audio driver
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (825, 82, 'Audio driver', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (825, 825, 'TEXT', 'Audio drivers to try, in order (e.g. pulse,alsa):', '#', 0, 'Wine reads it when a program starts in this image; programs already running keep the old setting.',
    'The host sound systems Wine tries, in order: "pulse", "alsa", "oss", separated by commas; an empty list ("") leaves Wine without sound. Wine reads "Audio" below Software\Wine\Drivers; without it Wine tries pulse, alsa and oss. Emptying the field deletes the value, so Wine chooses again.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Wine\Drivers', 'Audio', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (825, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Wine\Drivers', 'Audio', '%EINGABE%', 'T'),
    (825, 'B', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Wine\Drivers', 'Audio', '#', 'T');
