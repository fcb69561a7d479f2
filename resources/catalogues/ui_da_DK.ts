<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="da_DK" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Fuld QBX- og ZIP-support</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Sikker AES-256-kryptering</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Klar til Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100 % gratis for altid</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Pålidelige søgeresultater</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Til Windows-browsere</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ved at klikke på Installer accepterer du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>og</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licensaftalen</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>for slutbrugere</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licensen for %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Hvorfor anbefaler vi det?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ANBEFALET: Installer både Quobex og Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>JEG VIL IKKE HAVE SØGEBESKYTTELSE. Installer kun Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Vælg først en installationstype ovenfor</translation>
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
        <translation>Vent, mens din software installeres</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Downloader</translation>
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
        <translation>Installationen er fuldført</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Du er nu beskyttet af %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Du skal genstarte din pc, før den nye version er helt aktiv</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Genstart nu</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Genstart senere</translation>
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
        <translation>Download mislykkedes!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Prøv igen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% hjælper med at beskytte dig mod spyware, svindlere og spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klik på Afinstaller for at afinstallere %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klik på Annuller for at annullere afinstallationen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Afinstaller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Vi har fjernet %1% fra din computer.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klik på Udfør, og udfyld derefter vores spørgeskema, så vi kan forstå, hvorfor du afinstallerede.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Udfør</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>BEMÆRK: QUOBEX ER IKKE INSTALLERET ENDNU</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Er du sikker på, at du vil annullere installationen?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klik på »Installer«, eller luk vinduet, hvis du vil foretage dit valg og installere Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klik på »Annuller« nedenfor igen for at afslutte uden at installere Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ved at klikke på Installer accepterer du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>og</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licensen for %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licensaftalen</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>for slutbrugere</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>BEMÆRK: QUOBEX ER IKKE INSTALLERET ENDNU</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Installationen er stadig i gang. Hvis du annullerer nu, bliver Quobex ikke installeret fuldt ud.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klik på den blå knap »Fortsæt« for at fuldføre installationen.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klik på »Annuller« nedenfor, hvis du har fortrudt og ikke længere vil installere Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Du har valgt at afinstallere %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Hvis du ikke allerede vidste det:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>I løbet af de sidste 24 timer er vores brugere (ja, også dig!) i gennemsnit blevet beskyttet mod at besøge en af de %1% inficerede adresser i vores database.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Måske får det her dig til at ombestemme dig:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>I gennemsnit tilføjer vi over %1% nye adresser hver femte dag, og typisk bliver under %2% sikre igen.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Afbryd afinstallationen, og gør %1% til min standardsøgemaskine!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Jeg har ikke ombestemt mig. Afinstaller %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>I gennemsnit føjes der hver eneste dag %1% adresser til vores database, og kun %2% bliver sikre igen.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Vi respekterer den beskyttelse, du allerede har, eller dit mod til at risikere ved et uheld at besøge en af de %1% farlige webadresser på internettet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Tak, fordi du prøvede %1%. Vi håber, at du i det mindste er enig i, at vi har gjort et ret godt stykke arbejde med et helt gratis produkt.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Med et konkurrerende produkt skulle du betale ca. 10 USD om året.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Jeg har ombestemt mig, gratis beskyttelse er alligevel ikke så dårligt. Afbryd afinstallationen, og gør %1% til min standardsøgemaskine!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>JEG VIL IKKE HAVE BESKYTTELSE, SELV OM DEN ER GRATIS!!! Gør nu bare afinstallationen af %1% færdig!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% er allerede installeret. Du kan ikke installere %2%, før du har afinstalleret %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Installation af %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Start af %1% mislykkedes</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex ser ud til at køre lige nu. Luk Quobex og andre programmer, der kører, og klik derefter på »Prøv igen« for at fortsætte installationen.</translation>
    </message>
</context>
</TS>
