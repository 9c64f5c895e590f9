-- The sidebar of a new installation: one group of each Mode. Group 195 is the
-- UTIL group that the first start fills with the system's own tools.
INSERT INTO BAR_FOLDER (ID, FLDR_Name, FLDR_BackColor, FLDR_SmalSymb, FLDR_BoldCtrl) VALUES
    (1, 'Windows', 8421376, 0, 0),
    (2, 'Vantix', 8421504, 1, 0),
    (3, 'Tools', 4210752, 0, 1);

INSERT INTO BAR_CONTROL (ID, BAR_ID, CTRL_Folge, CTRL_Name, CTRL_Info, CTRL_Icon, CTRL_Color, Mode) VALUES
    (1, 1, 1, 'Control Panel', 'The Control Panel applets of this system', 'Default Icon', 16777215, 'SYST'),
    (2, 1, 2, 'Hidden Functions', 'Settings for which Windows offers no dialog', 'Default Icon', 16777215, 'HIDD'),
    (3, 2, 1, 'Modules', 'Registry, boot options, drives and taskbar', 'Default Icon', 16777215, 'TOOL'),
    (4, 3, 2, 'My Tools', '*', 'Default Icon', 16777215, 'UTIL'),
    (195, 3, 1, 'System Tools', 'The maintenance programs of Windows', 'Default Icon', 16777215, 'UTIL');
