<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="sv_SE" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Fullt stöd för QBX och ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Säker AES-256-kryptering</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Redo för Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100 % gratis för alltid</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Pålitliga sökresultat</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>För Windows-webbläsare</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Genom att klicka på Installera godkänner du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>och</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licensavtalet</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>för slutanvändare</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licensen för %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Varför rekommenderar vi det?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>REKOMMENDERAS: Installera både Quobex och Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>JAG VILL INTE HA SÖKSKYDD. Installera bara Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Välj först ett installationsalternativ ovan</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varning</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Vänta medan din programvara installeras</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Laddar ned</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installerar</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installationen är klar</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Du skyddas nu av %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Du måste starta om datorn innan den nya versionen blir helt aktiv</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Starta om nu</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Starta om senare</translation>
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
        <translation>Nedladdningen misslyckades!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Försök igen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% hjälper till att skydda dig mot spionprogram, bedragare och skräppost</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klicka på Avinstallera för att avinstallera %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klicka på Avbryt för att avbryta avinstallationen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Avinstallera</translation>
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
        <translation>Vi har tagit bort %1% från datorn.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klicka på Slutför och svara sedan på vår enkät så att vi förstår varför du avinstallerade.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Slutför</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>OBS! QUOBEX ÄR INTE INSTALLERAT ÄN</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Vill du verkligen avbryta installationen?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klicka på ”Installera” eller stäng fönstret om du vill göra ditt val och installera Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klicka på ”Avbryt” nedan igen för att avsluta utan att installera Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Genom att klicka på Installera godkänner du</translation>
    </message>
    <message>
        <source>and</source>
        <translation>och</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licensen för %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-licensavtalet</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>för slutanvändare</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installera</translation>
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
        <translation>OBS! QUOBEX ÄR INTE INSTALLERAT ÄN</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Installationen pågår fortfarande. Om du avbryter nu blir Quobex inte fullständigt installerat.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klicka på den blå knappen ”Fortsätt” för att slutföra installationen.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klicka på ”Avbryt” nedan om du har ändrat dig och inte längre vill installera Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
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
        <translation>Du har valt att avinstallera %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Ifall du inte visste det:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Under de senaste 24 timmarna har våra användare (ja, du också!) i genomsnitt skyddats från att besöka någon av de %1% infekterade adresserna i vår databas.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Det här kanske får dig att ändra dig:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>I genomsnitt lägger vi till över %1% nya adresser var femte dag, och oftast blir färre än %2% säkra igen.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Avbryt avinstallationen och gör %1% till min standardsökleverantör!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Jag har inte ändrat mig. Avinstallera %1%!</translation>
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
        <translation>I genomsnitt läggs %1% adresser till i vår databas varje dag, och bara %2% blir säkra igen.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Vi respekterar det skydd du redan har, eller ditt mod att riskera att råka besöka någon av de %1% farliga webbadresserna på internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Tack för att du provade %1%. Vi hoppas att du åtminstone håller med om att vi har gjort ett ganska bra jobb med en helt gratis produkt.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Med en konkurrents produkt skulle du behöva betala ungefär 10 USD per år.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Jag har ändrat mig, gratis skydd är inte så dumt ändå. Avbryt avinstallationen och gör %1% till min standardsökleverantör!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>JAG VILL INTE HA SKYDD ÄVEN OM DET ÄR GRATIS!!! Kan du nu bara avinstallera %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% är redan installerat. Du kan inte installera %2% förrän du har avinstallerat %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Installation av %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Det gick inte att starta %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex verkar vara igång just nu. Stäng Quobex och andra program som körs och klicka sedan på ”Försök igen” för att fortsätta installationen.</translation>
    </message>
</context>
</TS>
