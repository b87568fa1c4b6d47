-- What wixl 0.101 cannot write into nerolith.wxs's database, applied to it with msibuild by
-- cmake/Msi.cmake after the database's code page is set to 1251: one statement a line, with
-- @VERSION@, @PUBLISHER@ and @UPGRADE_CODE@ filled in.
-- The Russian texts (wixl drops every character outside ASCII).
UPDATE `Property` SET `Value` = '@PUBLISHER@' WHERE `Property` = 'Manufacturer'
UPDATE `Shortcut` SET `Description` = 'Калькулятор выражений, матриц и систем уравнений'
UPDATE `LaunchCondition` SET `Description` = 'Уже установлена более поздняя версия Nerolith.' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'
-- The desktop shortcut only when asked for; and on removal, which leaves a component whose
-- condition is false.
UPDATE `Component` SET `Condition` = 'DESKTOP_SHORTCUT = "1" OR REMOVE = "ALL"' WHERE `Component` = 'DesktopShortcut'
UPDATE `Property` SET `Value` = 'DESKTOP_SHORTCUT;WIX_DOWNGRADE_DETECTED;WIX_UPGRADE_DETECTED' WHERE `Property` = 'SecureCustomProperties'
-- The same version replaces an installed build too (its upper bound inclusive: 1 + 512).
DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'
INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`) VALUES ('{@UPGRADE_CODE@}', '@VERSION@', 513, 'WIX_UPGRADE_DETECTED')
-- The key of the components' key paths goes with its last value (Name "-": removed on uninstall).
INSERT INTO `Registry` (`Registry`, `Root`, `Key`, `Name`, `Component_`) VALUES ('RemoveNerolithKey', 1, 'Software\Nerolith', '-', 'Program')
