<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>ErrorView</name>
    <message id="32397">
        <source>Download failed!</source>
        <translation>Download failed!</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message id="32398">
        <source>Installation is complete</source>
        <translation>Installation is complete</translation>
    </message>
    <message id="32399">
        <source>You are now protected by %1%</source>
        <translation>You are now protected by %1%</translation>
    </message>
    <message id="32400">
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>You need to reboot your PC before the new version will be fully active</translation>
    </message>
    <message id="32401">
        <source>Reboot Now</source>
        <translation>Reboot Now</translation>
    </message>
    <message id="32402">
        <source>Reboot Later</source>
        <translation>Reboot Later</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message id="32403">
        <source>%1% Installer</source>
        <translation>%1% Installer</translation>
    </message>
    <message id="32404">
        <source>If you close this installer now, %1% will not be able to function properly</source>
        <translation>If you close this installer now, %1% will not be able to function properly</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message id="32405">
        <source>Please wait while we install your software</source>
        <translation>Please wait while we install your software</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message id="32406">
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% software helps protect you from spyware, scammers and spam</translation>
    </message>
    <message id="32407">
        <source>%1% rates websites you visit in all major search engines</source>
        <translation>%1% rates websites you visit in all major search engines</translation>
    </message>
    <message id="32408">
        <source>Clearly displays rankings for sites</source>
        <translation>Clearly displays rankings for sites</translation>
    </message>
    <message id="32409">
        <source>By Clicking Install you agree to the</source>
        <translation>By Clicking Install you agree to the</translation>
    </message>
    <message id="32410">
        <source>and</source>
        <translation>and</translation>
    </message>
    <message id="32411">
        <source>Safe Site</source>
        <translation>Safe Site</translation>
    </message>
    <message id="32412">
        <source>Dangerous Site</source>
        <translation>Dangerous Site</translation>
    </message>
    <message id="32413">
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message id="32414">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="32513">
        <source>%1% User License Agreement</source>
        <translation>%1% User License Agreement</translation>
    </message>
    <message id="32514">
        <source>Privacy Policy</source>
        <translation>Privacy Policy</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message id="32415">
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% software helps protect you from spyware, scammers and spam</translation>
    </message>
    <message id="32416">
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Click uninstall to start uninstalling %1%.</translation>
    </message>
    <message id="32417">
        <source>Click Cancel to cancel uninstalltion</source>
        <translation>Click Cancel to cancel uninstalltion</translation>
    </message>
    <message id="32418">
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message id="32419">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message id="32420">
        <source>We have removed %1% from your computer.</source>
        <translation>We have removed %1% from your computer.</translation>
    </message>
    <message id="32421">
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</translation>
    </message>
    <message id="32422">
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
</context>
</TS>
