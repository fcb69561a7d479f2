<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX und ZIP voll unterstützt</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Sichere AES-256-Verschlüsselung</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Bereit für Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Für immer 100 % kostenlos</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Verlässliche Suchergebnisse</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Für Windows-Browser</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Mit Klick auf „Installieren“ akzeptieren Sie den</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-Lizenzvertrag</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>für Endbenutzer</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>die Lizenz von %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Warum empfehlen wir das?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>EMPFOHLEN: Quobex und Varnhelm Sentovar installieren.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>ICH MÖCHTE KEINEN SUCHSCHUTZ. Nur Quobex installieren!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Bitte wählen Sie zuerst oben eine Installationsart aus</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Bitte warten, Ihre Software wird installiert</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Wird installiert</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Sie sind jetzt durch %1% %2% geschützt</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Starten Sie den PC neu, damit die neue Version vollständig aktiv wird</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Jetzt neu starten</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Später neu starten</translation>
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
        <translation>Download fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Erneut versuchen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% hilft beim Schutz vor Spyware, Betrügern und Spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klicken Sie auf „Deinstallieren“, um %1% zu deinstallieren.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klicken Sie auf „Abbrechen“, um die Deinstallation abzubrechen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% wurde von Ihrem Computer entfernt.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klicken Sie auf „Fertig stellen“ und sagen Sie uns in unserer Umfrage, warum Sie deinstalliert haben.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ACHTUNG: QUOBEX IST NOCH NICHT INSTALLIERT</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Möchten Sie die Installation wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klicken Sie auf „Installieren“ oder schließen Sie dieses Fenster, um Ihre Auswahl zu treffen und Quobex zu installieren.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klicken Sie unten erneut auf „Abbrechen“, um das Setup ohne Quobex zu beenden.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Mit Klick auf „Installieren“ akzeptieren Sie den</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>die Lizenz von %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-Lizenzvertrag</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>für Endbenutzer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ACHTUNG: QUOBEX IST NOCH NICHT INSTALLIERT</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Die Installation läuft noch. Wenn Sie jetzt abbrechen, wird Quobex nicht vollständig installiert.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klicken Sie auf die blaue Schaltfläche „Weiter“, um die Installation abzuschließen.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klicken Sie unten auf „Abbrechen“, wenn Sie es sich anders überlegt haben und Quobex nicht mehr installieren möchten.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Sie möchten %1% deinstallieren.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Falls Sie es noch nicht wussten:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>In den letzten 24 Stunden wurden unsere Nutzer (ja, auch Sie!) im Schnitt davor geschützt, eine der %1% infizierten Adressen aus unserer Datenbank aufzurufen.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Vielleicht stimmt Sie das um:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Im Schnitt kommen alle fünf Tage über %1% neue Adressen hinzu, und meist werden weniger als %2% wieder sicher.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Deinstallation abbrechen und %1% als Standardsuchanbieter festlegen!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Ich bleibe dabei. %1% deinstallieren!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Im Schnitt kommen jeden Tag %1% Adressen in unsere Datenbank, und nur %2% werden wieder sicher.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Wir respektieren Ihren vorhandenen Schutz oder Ihren Mut, das Risiko einzugehen, versehentlich eine der %1% gefährlichen Webadressen im Internet aufzurufen.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Danke, dass Sie %1% ausprobiert haben. Sie finden hoffentlich zumindest, dass wir für ein völlig kostenloses Produkt ziemlich gute Arbeit geleistet haben.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Mit einem Konkurrenzprodukt würden Sie etwa 10 USD pro Jahr zahlen.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ich habe es mir anders überlegt, kostenloser Schutz ist doch nicht so schlecht. Deinstallation abbrechen und %1% als Standardsuchanbieter festlegen!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ICH WILL KEINEN SCHUTZ, AUCH WENN ER KOSTENLOS IST!!! Jetzt bitte endlich %1% deinstallieren!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% ist bereits installiert. %2% kann erst installiert werden, wenn Sie %3% deinstalliert haben.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% Setup</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Start von %1% fehlgeschlagen</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex wird anscheinend gerade ausgeführt. Schließen Sie Quobex und andere laufende Programme und klicken Sie dann auf „Wiederholen“, um die Installation fortzusetzen.</translation>
    </message>
</context>
</TS>
