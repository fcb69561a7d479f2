<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="sl_SI" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Polna podpora za QBX in ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Varno 256-bitno šifriranje AES</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Pripravljeno za Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Vedno 100 % brezplačno</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Zanesljivi rezultati iskanja</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Za brskalnike za Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>S klikom na Namesti se strinjate z</translation>
    </message>
    <message>
        <source>and</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenčno pogodbo Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>za končnega uporabnika</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenčno pogodbo %1% za končnega uporabnika</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Zakaj ga priporočamo?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>PRIPOROČENO: namesti Quobex in Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NE ŽELIM ZAŠČITE ISKANJA. Namesti samo Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Namesti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Najprej zgoraj izberite vrsto namestitve</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Opozorilo</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Počakajte, da namestimo programsko opremo</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Prenašanje</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Nameščanje</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Namestitev je končana</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Zdaj vas ščiti %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Za popolno delovanje nove različice morate znova zagnati računalnik</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Znova zaženi zdaj</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Znova zaženi pozneje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Prenos ni uspel!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Poskusi znova!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Program %1% vam pomaga pri zaščiti pred vohunskimi programi, goljufi in neželeno pošto</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Kliknite Odstrani, da začnete odstranjevati %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kliknite Prekliči, da prekličete odstranjevanje</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odstrani</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% smo odstranili iz vašega računalnika.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Kliknite Dokončaj in nato izpolnite našo anketo, da bomo razumeli, zakaj ste program odstranili.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončaj</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX ŠE NI NAMEŠČEN</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Ali res želite preklicati namestitev?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Če želite izbrati možnost in dokončati namestitev programa Quobex, kliknite »Namesti« ali zaprite to okno.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Če želite končati brez namestitve programa Quobex, spodaj znova kliknite »Prekliči«.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>S klikom na Namesti se strinjate z</translation>
    </message>
    <message>
        <source>and</source>
        <translation>in</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenčno pogodbo %1% za končnega uporabnika</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenčno pogodbo Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>za končnega uporabnika</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Namesti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX ŠE NI NAMEŠČEN</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Namestitev še poteka. Če jo zdaj prekličete, Quobex ne bo v celoti nameščen.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Kliknite modri gumb »Nadaljuj«, da dokončate namestitev.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Če ste si premislili in programa Quobex ne želite več namestiti, spodaj kliknite »Prekliči«.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Nadaljuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Odločili ste se odstraniti %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Če morda ne veste:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>V zadnjih 24 urah smo naše uporabnike (da, tudi vas!) zaščitili pred obiskom katerega koli od %1% okuženih naslovov v naši zbirki podatkov.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Morda si boste zaradi tega premislili:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>V povprečju vsakih pet dni dodamo več kot %1% novih naslovov, običajno pa jih manj kot %2% znova označimo kot varne.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Prekliči odstranjevanje in nastavi %1% kot privzetega ponudnika iskanja!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Vztrajam pri svojem. Odstrani %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>V povprečju vsak dan v našo zbirko podatkov dodamo %1% naslovov, le %2% pa jih znova označimo kot varne.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Spoštujemo zaščito, ki jo že imate, ali vaš pogum, da tvegate naključni obisk enega od %1% nevarnih spletnih naslovov.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Hvala, ker ste preizkusili %1%. Upamo, da se vsaj strinjate, da smo s povsem brezplačnim izdelkom opravili kar dobro delo.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Za izdelek konkurence bi plačevali približno 10 USD na leto.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Saj res, brezplačna zaščita navsezadnje ni tako slaba. Prekliči odstranjevanje in nastavi %1% kot privzetega ponudnika iskanja!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NOČEM ZAŠČITE, TUDI ČE JE BREZPLAČNA!!! Zdaj pa končno dokončajte odstranjevanje %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Zaznali smo, da imate že nameščen izdelek %1%. Izdelka %2% ne morete namestiti, dokler ne odstranite izdelka %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Namestitveni program za %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Zagon %1% ni uspel</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Videti je, da se Quobex trenutno izvaja. Zaprite Quobex in druge morebiti odprte programe ter kliknite »Poskusi znova«, da nadaljujete namestitev.</translation>
    </message>
</context>
</TS>
