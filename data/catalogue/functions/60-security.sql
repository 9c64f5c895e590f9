-- Hidden functions: Security and policies.

-- Hide drives in My Computer
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (601, 60, 'Hide drives in My Computer', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (601, 601, 'TEXT', 'Drive mask (1 = A:, 2 = B:, 4 = C:, ... add them up):', '#', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Hides the chosen drives in My Computer and Explorer. The number is the sum of one bit per drive: 1 for A:, 2 for B:, 4 for C: and so on; 67108863 hides all. The drives can still be reached by typing their path. Emptying the field shows all drives.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDrives', 'D', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (601, 'A', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDrives', '%EINGABE%', 'D'),
    (601, 'B', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoDrives', '#', 'T');

-- Context menus of Explorer
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (602, 60, 'Context menus of Explorer', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (602, 602, 'OPTION', 'Allow context menus', 'Disable context menus in Explorer and on the desktop', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting. On Windows 95 and Windows NT 4 this setting needs the Windows Desktop Update of Internet Explorer 4; Windows 98 has it built in.',
    'The right mouse button no longer opens menus in Explorer windows and on the desktop.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoViewContextMenu', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (602, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoViewContextMenu', '#', 'T'),
    (602, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer', 'NoViewContextMenu', '1', 'D');

-- Entire Network
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (603, 60, 'Entire Network', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (603, 603, 'OPTION', 'Show Entire Network', 'Hide Entire Network', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes "Entire Network" from Network Neighborhood, so only the own workgroup is shown.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoEntireNetwork', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (603, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoEntireNetwork', '#', 'T'),
    (603, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoEntireNetwork', '1', 'D');

-- Workgroup contents
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (604, 60, 'Workgroup contents', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (604, 604, 'OPTION', 'Show the computers of the workgroup', 'Hide the workgroup contents', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Network Neighborhood shows no computers of the own workgroup.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoWorkgroupContents', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (604, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoWorkgroupContents', '#', 'T'),
    (604, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoWorkgroupContents', '1', 'D');

-- Registry editing tools
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (605, 61, 'Registry editing tools', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (605, 605, 'OPTION', 'Allow REGEDIT', 'Disable the registry editor', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'The registry editor refuses to start for this user. Vantix itself and .REG files given to REGEDIT /S still work.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableRegistryTools', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (605, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableRegistryTools', '#', 'T'),
    (605, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableRegistryTools', '1', 'D');

-- Task Manager
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (606, 61, 'Task Manager', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (606, 606, 'OPTION', 'Allow Task Manager', 'Disable Task Manager', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Task Manager cannot be started, neither from the taskbar nor from the Ctrl+Alt+Del dialog.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableTaskMgr', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (606, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableTaskMgr', '#', 'T'),
    (606, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableTaskMgr', '1', 'D');

-- Lock Workstation
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (607, 61, 'Lock Workstation', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (607, 607, 'OPTION', 'Allow locking the workstation', 'Disable Lock Workstation', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Lock Workstation button from the Windows NT Security dialog (Ctrl+Alt+Del).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableLockWorkstation', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (607, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableLockWorkstation', '#', 'T'),
    (607, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableLockWorkstation', '1', 'D');

-- Change Password
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (608, 61, 'Change Password', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (608, 608, 'OPTION', 'Allow changing the password', 'Disable Change Password', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Change Password button from the Windows NT Security dialog (Ctrl+Alt+Del).',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableChangePassword', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (608, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableChangePassword', '#', 'T'),
    (608, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'DisableChangePassword', '1', 'D');

-- Display control panel
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (609, 61, 'Display control panel', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (609, 609, 'OPTION', 'Allow the Display control panel', 'Disable the Display control panel', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'The Display control panel refuses to open, so that background, screen saver and resolution cannot be changed.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispCPL', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (609, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispCPL', '#', 'T'),
    (609, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispCPL', '1', 'D');

-- Background page of Display
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (610, 61, 'Background page of Display', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (610, 610, 'OPTION', 'Show the Background page', 'Hide the Background page', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Background page from the Display properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispBackgroundPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (610, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispBackgroundPage', '#', 'T'),
    (610, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispBackgroundPage', '1', 'D');

-- Screen saver page of Display
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (611, 61, 'Screen saver page of Display', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (611, 611, 'OPTION', 'Show the Screen Saver page', 'Hide the Screen Saver page', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Screen Saver page from the Display properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispScrSavPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (611, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispScrSavPage', '#', 'T'),
    (611, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispScrSavPage', '1', 'D');

-- Settings page of Display
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (612, 61, 'Settings page of Display', 7);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (612, 612, 'OPTION', 'Show the Settings page', 'Hide the Settings page', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Settings page (colours and resolution) from the Display properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispSettingsPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (612, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispSettingsPage', '#', 'T'),
    (612, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDispSettingsPage', '1', 'D');

-- Device Manager page
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (613, 61, 'Device Manager page', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (613, 613, 'OPTION', 'Show the Device Manager page', 'Hide the Device Manager page', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Device Manager page from the System properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDevMgrPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (613, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDevMgrPage', '#', 'T'),
    (613, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoDevMgrPage', '1', 'D');

-- File System button
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (614, 61, 'File System button', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (614, 614, 'OPTION', 'Show the File System button', 'Hide the File System button', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the File System button from the Performance page of the System properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoFileSysPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (614, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoFileSysPage', '#', 'T'),
    (614, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoFileSysPage', '1', 'D');

-- Virtual Memory button
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (615, 61, 'Virtual Memory button', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (615, 615, 'OPTION', 'Show the Virtual Memory button', 'Hide the Virtual Memory button', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Removes the Virtual Memory button from the Performance page of the System properties.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoVirtMemPage', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (615, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoVirtMemPage', '#', 'T'),
    (615, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\System', 'NoVirtMemPage', '1', 'D');

-- MS-DOS prompt
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (616, 61, 'MS-DOS prompt', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (616, 616, 'OPTION', 'Allow the MS-DOS prompt', 'Disable the MS-DOS prompt', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'MS-DOS prompts refuse to open for this user.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'Disabled', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (616, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'Disabled', '#', 'T'),
    (616, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'Disabled', '1', 'D');

-- Single-mode MS-DOS programs
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (617, 61, 'Single-mode MS-DOS programs', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (617, 617, 'OPTION', 'Allow MS-DOS mode', 'Disable MS-DOS mode', 1, 'A system policy: it takes effect for the current user after the next logon. The System Policy Editor shows the same setting.',
    'Programs set to run in MS-DOS mode (which ends Windows for them) no longer start.',
    'REG', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'NoRealMode', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (617, 'A', 'REGDEL', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'NoRealMode', '#', 'T'),
    (617, 'B', 'REGSET', '#', 'HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies\WinOldApp', 'NoRealMode', '1', 'D');

-- Shut down from the logon dialog
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (618, 62, 'Shut down from the logon dialog', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (618, 618, 'OPTION', 'Offer Shut Down in the logon dialog', 'Require a logon before shutting down', 0, '#',
    'Windows NT Workstation lets anyone shut the computer down from the logon dialog; Windows NT Server does not.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'ShutdownWithoutLogon', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (618, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'ShutdownWithoutLogon', '1', 'T'),
    (618, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'ShutdownWithoutLogon', '0', 'T');

-- Last user name
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (619, 62, 'Last user name', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (619, 619, 'OPTION', 'Show the name of the last user in the logon dialog', 'Leave the user name empty', 0, '#',
    'The logon dialog presets the name of whoever logged on last. Leaving it empty keeps user names secret on shared computers.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DontDisplayLastUserName', 'T', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (619, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DontDisplayLastUserName', '0', 'T'),
    (619, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DontDisplayLastUserName', '1', 'T');

-- Automatic logon
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (620, 62, 'Automatic logon', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (620, 620, 'OPTION', 'Ask for a password at every start', 'Log on automatically', 2, 'The password is kept as plain text in the registry. Hold Shift while Windows starts to log on as someone else.',
    'Windows NT logs on at start-up with the user name of "Default user name" and the password in the value DefaultPassword, without asking.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'AutoAdminLogon', 'T', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (620, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'AutoAdminLogon', '0', 'T'),
    (620, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'AutoAdminLogon', '1', 'T');

-- Default user name
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (621, 62, 'Default user name', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (621, 621, 'TEXT', 'User name preset in the logon dialog:', '#', 0, '#',
    'The user name that the logon dialog presets, and that automatic logon uses.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DefaultUserName', 'T', '', 1, 2, 'Administrator', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (621, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DefaultUserName', '%EINGABE%', 'T'),
    (621, 'B', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'DefaultUserName', '#', 'T');

-- Logon notice caption
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (622, 62, 'Logon notice caption', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (622, 622, 'TEXT', 'Caption of the notice shown before logon:', '#', 0, '#',
    'Windows NT shows a message box with this caption and the notice text before the logon dialog. With an empty caption and text no notice is shown.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeCaption', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (622, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeCaption', '%EINGABE%', 'T'),
    (622, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeCaption', '#', 'T');

-- Logon notice text
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (623, 62, 'Logon notice text', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (623, 623, 'TEXT', 'Text of the notice shown before logon:', '#', 0, '#',
    'The text of the message box that Windows NT shows before the logon dialog.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeText', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (623, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeText', '%EINGABE%', 'T'),
    (623, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'LegalNoticeText', '#', 'T');

-- Logon notice caption
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (624, 62, 'Logon notice caption', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (624, 624, 'TEXT', 'Caption of the notice shown before logon:', '#', 0, '#',
    'Windows 95 and 98 show a message box with this caption and the notice text before the logon dialog. Emptying the field removes the notice.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeCaption', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (624, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeCaption', '%EINGABE%', 'T'),
    (624, 'B', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeCaption', '#', 'T');

-- Logon notice text
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (625, 62, 'Logon notice text', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (625, 625, 'TEXT', 'Text of the notice shown before logon:', '#', 0, '#',
    'The text of the message box that Windows 95 and 98 show before the logon dialog. Emptying the field removes it.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeText', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (625, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeText', '%EINGABE%', 'T'),
    (625, 'B', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Winlogon', 'LegalNoticeText', '#', 'T');

-- Anonymous connections
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (626, 62, 'Anonymous connections', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (626, 626, 'OPTION', 'Let anonymous users list accounts and shares', 'Refuse anonymous listings', 2, 'Needs Windows NT 4 with Service Pack 3 or later.',
    'Connections without a user name ("null sessions") can list the accounts and shares of Windows NT. Refusing them closes a well-known leak.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa', 'RestrictAnonymous', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (626, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa', 'RestrictAnonymous', '0', 'D'),
    (626, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Lsa', 'RestrictAnonymous', '1', 'D');
