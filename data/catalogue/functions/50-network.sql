-- Hidden functions: Network.

-- Workgroup
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (501, 50, 'Workgroup', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (501, 501, 'TEXT', 'Name of the workgroup:', '#', 2, '#',
    'The workgroup in which this computer appears in Network Neighborhood. Up to 15 characters, no spaces. Emptying the field restores WORKGROUP, the name Windows sets up.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Workgroup', 'T', '', 1, 2, 'WORKGROUP', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (501, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Workgroup', '%EINGABE%', 'T'),
    (501, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Workgroup', 'WORKGROUP', 'T');

-- Computer description
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (502, 50, 'Computer description', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (502, 502, 'TEXT', 'Description of this computer:', '#', 2, '#',
    'The description that Network Neighborhood shows beside the computer name.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Comment', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (502, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Comment', '%EINGABE%', 'T'),
    (502, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\VNETSUP', 'Comment', '#', 'T');

-- Computer description (Windows NT)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (503, 50, 'Computer description (Windows NT)', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (503, 503, 'TEXT', 'Description of this computer:', '#', 2, '#',
    'The description that Network Neighborhood and NET VIEW show beside the computer name. Emptying the field removes it.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'srvcomment', 'T', '', 1, 2, '', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (503, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'srvcomment', '%EINGABE%', 'T'),
    (503, 'B', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'srvcomment', '#', 'T');

-- Visible in the browse list
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (504, 50, 'Visible in the browse list', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (504, 504, 'OPTION', 'Show this computer in Network Neighborhood', 'Hide this computer from the browse list', 2, '#',
    'The computer stays reachable by its name; it only no longer shows up in the list of computers of its workgroup or domain.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'Hidden', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (504, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'Hidden', '0', 'D'),
    (504, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\LanmanServer\Parameters', 'Hidden', '1', 'D');

-- Password caching
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (505, 50, 'Password caching', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (505, 505, 'OPTION', 'Remember network passwords in the password list', 'Never remember network passwords', 2, '#',
    'Windows 95 and 98 keep the passwords of shared resources in a .PWL file of the user. Switching it off asks for the password again each time.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'DisablePwdCaching', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (505, 'A', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'DisablePwdCaching', '#', 'T'),
    (505, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'DisablePwdCaching', '1', 'D');

-- File sharing
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (506, 50, 'File sharing', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (506, 506, 'OPTION', 'Allow sharing of folders', 'Disable file sharing', 2, '#',
    'Stops this computer from sharing its folders, even when File and Printer Sharing is installed.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoFileSharing', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (506, 'A', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoFileSharing', '#', 'T'),
    (506, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoFileSharing', '1', 'D');

-- Printer sharing
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (507, 50, 'Printer sharing', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (507, 507, 'OPTION', 'Allow sharing of printers', 'Disable printer sharing', 2, '#',
    'Stops this computer from sharing its printers, even when File and Printer Sharing is installed.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoPrintSharing', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (507, 'A', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoPrintSharing', '#', 'T'),
    (507, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'NoPrintSharing', '1', 'D');

-- Share passwords
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (508, 50, 'Share passwords', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (508, 508, 'OPTION', 'Show share passwords as typed', 'Show asterisks for share passwords', 0, '#',
    'Passwords typed in the sharing page of a folder are shown as asterisks.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'HideSharePwds', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (508, 'A', 'REGDEL', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'HideSharePwds', '#', 'T'),
    (508, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Policies\Network', 'HideSharePwds', '1', 'D');

-- Cached logons
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (509, 50, 'Cached logons', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (509, 509, 'SLIDER', 'None', '50', 2, '#',
    'How many domain logons Windows NT remembers so that users can log on while no domain controller answers. 0 remembers none, which is safer on shared computers. Windows uses 10.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'CachedLogonsCount', 'T', '', 1, 2, '10', 0, 50);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (509, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon', 'CachedLogonsCount', '%EINGABE%', 'T');

-- Default time to live
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (510, 51, 'Default time to live', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (510, 510, 'SLIDER', '1 hop', '255 hops', 2, '#',
    'How many routers a TCP/IP packet may pass before it is discarded. Windows NT 4 uses 128.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'DefaultTTL', 'D', '', 1, 2, '128', 1, 255);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (510, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'DefaultTTL', '%EINGABE%', 'D');

-- Default time to live
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (511, 51, 'Default time to live', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (511, 511, 'SLIDER', '1 hop', '255 hops', 2, '#',
    'How many routers a TCP/IP packet may pass before it is discarded. Windows 95 and 98 use 32, which is too few for some distant Internet hosts.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'DefaultTTL', 'T', '', 1, 2, '32', 1, 255);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (511, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'DefaultTTL', '%EINGABE%', 'T');

-- TCP receive window
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (512, 51, 'TCP receive window', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (512, 512, 'SLIDER', '4 KB', '64 KB', 2, 'Windows 95 uses 8192 bytes; Windows 98 chooses a window from the adapter (8760 on Ethernet).',
    'How many bytes the computer accepts before it must acknowledge them. A window that is a multiple of the segment size speeds up modem and network transfers.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'DefaultRcvWindow', 'T', '', 1, 2, '8192', 4096, 65535);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (512, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'DefaultRcvWindow', '%EINGABE%', 'T');

-- TCP receive window (Windows NT)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (513, 51, 'TCP receive window (Windows NT)', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (513, 513, 'SLIDER', '4 KB', '64 KB', 2, '#',
    'How many bytes the computer accepts before it must acknowledge them. Windows NT 4 uses 8760 on Ethernet.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'TcpWindowSize', 'D', '', 1, 2, '8760', 4096, 65535);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (513, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'TcpWindowSize', '%EINGABE%', 'D');

-- Path MTU discovery
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (514, 51, 'Path MTU discovery', 6);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (514, 514, 'OPTION', 'Find the largest packet size of each route', 'Use 576-byte packets for remote hosts', 2, '#',
    'TCP finds out the largest packet that reaches a host without being split. Some firewalls drop the messages this needs; switching it off avoids hanging connections.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'PMTUDiscovery', 'T', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (514, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'PMTUDiscovery', '1', 'T'),
    (514, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP', 'PMTUDiscovery', '0', 'T');

-- Path MTU discovery (Windows NT)
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (515, 51, 'Path MTU discovery (Windows NT)', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (515, 515, 'OPTION', 'Find the largest packet size of each route', 'Use 576-byte packets for remote hosts', 2, '#',
    'TCP finds out the largest packet that reaches a host without being split. Some firewalls drop the messages this needs; switching it off avoids hanging connections.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnablePMTUDiscovery', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (515, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnablePMTUDiscovery', '1', 'D'),
    (515, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnablePMTUDiscovery', '0', 'D');

-- IP routing
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (516, 51, 'IP routing', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (516, 516, 'OPTION', 'Do not forward packets', 'Forward packets between network adapters', 2, '#',
    'With two or more network adapters, Windows NT can pass packets from one network to the other as a router.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'IPEnableRouter', 'D', '1', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (516, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'IPEnableRouter', '0', 'D'),
    (516, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'IPEnableRouter', '1', 'D');

-- Dead gateway detection
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (517, 51, 'Dead gateway detection', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (517, 517, 'OPTION', 'Switch to another gateway when one fails', 'Always use the first gateway', 2, '#',
    'When connections through the default gateway keep failing, TCP tries the next configured gateway.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnableDeadGWDetect', 'D', '0', 2, 1, '1', 0, 0);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (517, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnableDeadGWDetect', '1', 'D'),
    (517, 'B', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'EnableDeadGWDetect', '0', 'D');

-- Keep-alive interval
INSERT INTO HIDDEN_ITEMS (ID, Folder_ID, ItemName, BS) VALUES (518, 51, 'Keep-alive interval', 1);
INSERT INTO HIDDEN_EIGENSCHAFT (ID, ITEM_ID, TYP, A_BESCHRIFTUNG, B_BESCHRIFTUNG, Neustart, Sonstiges, Hilfe,
    MOM_Art, MOM_Datei, MOM_MainSubKey, MOM_ValueKey, MOM_ValueFormat, Wenn, Dann, Sonst, Standard, SliderMin, SliderMax)
VALUES (518, 518, 'SLIDER', '1 minute', '2 hours', 2, '#',
    'After how many milliseconds of silence TCP checks whether the other end of a connection is still there. Windows uses 7200000 (two hours); 0 is no valid interval, so the slider starts at one minute.',
    'REG', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'KeepAliveTime', 'D', '', 1, 2, '7200000', 60000, 7200000);
INSERT INTO HIDDEN_BEFEHLE (ITEM_ID, Kennung, SET_Art, SET_Datei, SET_MainSubKey, SET_ValueKey, SET_Wert, SET_ValueFormat) VALUES
    (518, 'A', 'REGSET', '#', 'HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters', 'KeepAliveTime', '%EINGABE%', 'D');
