<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Full QBX and ZIP support</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Safe 256-bit AES Encryption</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Ready for Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% Free forever</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Trusted search results</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>For Windows browsers</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>By clicking Install you agree to the</translation>
    </message>
    <message>
        <source>and</source>
        <translation>and</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex End User Licence</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Agreement</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% End User Licence</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Why do we recommend it ?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Please first select an install above</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Please wait while we install your software</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installing</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installation is complete</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>You are now protected by %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>You need to reboot your PC before the new version will be fully active</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reboot Now</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reboot Later</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Download failed!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Try again!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% software helps protect you from spyware, scammers and spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Click uninstall to start uninstalling %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Click Cancel to cancel uninstallation</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>We have removed %1% from your computer.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENTION QUOBEX IS NOT INSTALLED YET</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Are you sure you want to 'Cancel' the installation ?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Click 'Cancel' again below to quit without installing Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>By clicking Install you agree to the</translation>
    </message>
    <message>
        <source>and</source>
        <translation>and</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% End User Licence</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex End User Licence</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Agreement</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENTION QUOBEX IS NOT INSTALLED YET</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Click the blue 'Continue' button to complete the installation.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>You have chosen to uninstall %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Just in case you didn't know:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Maybe this will change your mind:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Abort Uninstall and make %1% my default search provider!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>I have not changed my mind. Uninstall %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>On Average every single day %1% addresses are added to our database and only %2% become safe again.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% Installer</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>starting of %1% failed</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</translation>
    </message>
</context>
</TS>
