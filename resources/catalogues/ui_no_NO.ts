<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="no_NO" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Full støtte for QBX og ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Sikker AES-256-kryptering</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Klar for Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100 % gratis for alltid</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Pålitelige søkeresultater</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>For Windows-nettlesere</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ved å klikke Installer godtar du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>og</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-lisensavtalen</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>for sluttbrukere</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>lisensen for %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Hvorfor anbefaler vi det?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ANBEFALT: Installer både Quobex og Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>JEG VIL IKKE HA SØKEBESKYTTELSE. Installer bare Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Velg først en installasjonstype ovenfor</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Vent mens programvaren din installeres</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerer</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installasjonen er fullført</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Du er nå beskyttet av %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Du må starte PC-en på nytt før den nye versjonen blir helt aktiv</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Start på nytt nå</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Start på nytt senere</translation>
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
        <translation>Nedlastingen mislyktes!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Prøv igjen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% bidrar til å beskytte deg mot spionprogrammer, svindlere og søppelpost</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klikk Avinstaller for å avinstallere %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klikk Avbryt for å avbryte avinstalleringen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Avinstaller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Vi har fjernet %1% fra datamaskinen din.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klikk Fullfør, og svar deretter på undersøkelsen vår, slik at vi forstår hvorfor du avinstallerte.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fullfør</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>OBS! QUOBEX ER IKKE INSTALLERT ENNÅ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Er du sikker på at du vil avbryte installasjonen?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klikk «Installer» eller lukk dette vinduet hvis du vil gjøre valget ditt og installere Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klikk «Avbryt» nedenfor igjen for å avslutte uten å installere Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ved å klikke Installer godtar du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>og</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>lisensen for %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-lisensavtalen</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>for sluttbrukere</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>OBS! QUOBEX ER IKKE INSTALLERT ENNÅ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Installasjonen pågår fortsatt. Hvis du avbryter nå, blir ikke Quobex fullstendig installert.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klikk den blå «Fortsett»-knappen for å fullføre installasjonen.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klikk «Avbryt» nedenfor hvis du har ombestemt deg og ikke lenger vil installere Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Du har valgt å avinstallere %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>I tilfelle du ikke visste det:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>I løpet av de siste 24 timene har brukerne våre (ja, du også!) i gjennomsnitt blitt beskyttet mot å besøke noen av de %1% infiserte adressene i databasen vår.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Kanskje dette får deg til å ombestemme deg:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>I gjennomsnitt legger vi til over %1% nye adresser hver femte dag, og vanligvis blir færre enn %2% trygge igjen.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Avbryt avinstalleringen og gjør %1% til min standardsøkeleverandør!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Jeg har ikke ombestemt meg. Avinstaller %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>I gjennomsnitt legges %1% adresser til i databasen vår hver eneste dag, og bare %2% blir trygge igjen.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Vi respekterer beskyttelsen du allerede har, eller motet ditt til å risikere å besøke en av de %1% farlige nettadressene på Internett ved et uhell.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Takk for at du prøvde %1%. Vi håper du i det minste er enig i at vi har gjort en ganske god jobb med et helt gratis produkt.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Med et konkurrerende produkt måtte du ha betalt omtrent 10 USD i året.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Jeg har ombestemt meg, gratis beskyttelse er ikke så dumt likevel. Avbryt avinstalleringen og gjør %1% til min standardsøkeleverandør!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>JEG VIL IKKE HA BESKYTTELSE SELV OM DEN ER GRATIS!!! Nå må du bare fullføre avinstalleringen av %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% er allerede installert. Du kan ikke installere %2% før du har avinstallert %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Installasjon av %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Kunne ikke starte %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Det ser ut til at Quobex kjører nå. Lukk Quobex og andre programmer som kjører, og klikk deretter «Prøv igjen» for å fortsette installasjonen.</translation>
    </message>
</context>
</TS>
