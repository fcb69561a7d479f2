<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="nl_NL" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX en ZIP volledig ondersteund</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Veilige AES-256-versleuteling</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Klaar voor Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Voor altijd 100% gratis</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Betrouwbare zoekresultaten</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Voor Windows-browsers</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Door op Installeren te klikken, accepteert u de</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licentie</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>voor eindgebruikers</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>de %1%-licentie</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Waarom raden we dit aan?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>AANBEVOLEN: zowel Quobex als Varnhelm Sentovar installeren.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>IK WIL GEEN ZOEKBESCHERMING. Alleen Quobex installeren!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Kies eerst hierboven een installatieoptie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Even geduld, uw software wordt geïnstalleerd</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Bezig met downloaden</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Bezig met installeren</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>U wordt nu beschermd door %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Start uw pc opnieuw op om de nieuwe versie volledig te activeren</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Nu opnieuw opstarten</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Later opnieuw opstarten</translation>
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
        <translation>Downloaden mislukt!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Opnieuw proberen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% helpt u te beschermen tegen spyware, oplichters en spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klik op Verwijderen om %1% te verwijderen.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klik op Annuleren om het verwijderen te annuleren</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% is van uw computer verwijderd.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klik op Voltooien en vul daarna onze korte enquête in, zodat we begrijpen waarom u de software hebt verwijderd.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Voltooien</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>LET OP: QUOBEX IS NOG NIET GEÏNSTALLEERD</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Weet u zeker dat u de installatie wilt annuleren?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klik op “Installeren” of sluit dit venster om uw keuze te maken en Quobex te installeren.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klik hieronder nogmaals op “Annuleren” om af te sluiten zonder Quobex te installeren.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Door op Installeren te klikken, accepteert u de</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>de %1%-licentie</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licentie</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>voor eindgebruikers</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>LET OP: QUOBEX IS NOG NIET GEÏNSTALLEERD</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>De installatie is nog bezig. Als u nu annuleert, wordt Quobex niet volledig geïnstalleerd.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klik op de blauwe knop “Doorgaan” om de installatie te voltooien.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klik hieronder op “Annuleren” als u van gedachten bent veranderd en Quobex niet meer wilt installeren.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>U hebt ervoor gekozen %1% te verwijderen.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Voor het geval u het nog niet wist:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>In de afgelopen 24 uur zijn onze gebruikers (ja, u ook!) gemiddeld beschermd tegen het bezoeken van een van de %1% geïnfecteerde adressen in onze database.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Misschien bedenkt u zich hierdoor:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Gemiddeld voegen we elke vijf dagen meer dan %1% nieuwe adressen toe, en meestal worden er minder dan %2% weer veilig.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Verwijderen afbreken en %1% als mijn standaardzoekmachine instellen!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Ik blijf erbij: %1% verwijderen!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Gemiddeld komen er elke dag %1% adressen bij in onze database en worden er maar %2% weer veilig.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>We respecteren de beveiliging die u al hebt, of uw moed om het risico te nemen dat u per ongeluk een van de %1% gevaarlijke webadressen op internet bezoekt.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Bedankt dat u %1% hebt uitgeprobeerd. Hopelijk vindt u in elk geval dat we voor een volledig gratis product behoorlijk goed werk hebben geleverd.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Met een product van een concurrent zou u ongeveer 10 USD per jaar betalen.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ik ben van gedachten veranderd, gratis bescherming is eigenlijk zo gek nog niet. Verwijderen afbreken en %1% als mijn standaardzoekmachine instellen!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>IK WIL GEEN BESCHERMING, OOK NIET ALS HET GRATIS IS!!! Maak het verwijderen van %1% nu eindelijk af!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% is al geïnstalleerd. U kunt %2% pas installeren nadat u %3% hebt verwijderd.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Installatie van %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Starten van %1% mislukt</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex lijkt op dit moment actief te zijn. Sluit Quobex en andere geopende programma's en klik op “Opnieuw proberen” om verder te gaan met de installatie.</translation>
    </message>
</context>
</TS>
