<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ro_RO" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Suport complet QBX și ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Criptare AES-256 sigură</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Gata pentru Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Mereu 100% gratuit</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Căutări de încredere</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Pentru browserele Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Făcând clic pe Instalare, acceptați</translation>
    </message>
    <message>
        <source>and</source>
        <translation>și</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Acordul de licență Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>pentru utilizatorul final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licența %1% pentru utilizatorul final</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>De ce îl recomandăm?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMANDAT: instalați Quobex și Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NU VREAU PROTECȚIE PENTRU CĂUTARE. Instalați doar Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Selectați mai întâi o opțiune de instalare de mai sus</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertisment</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Așteptați cât timp instalăm software-ul</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Se instalează</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalarea s-a finalizat</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Acum sunteți protejat de %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Trebuie să reporniți PC-ul pentru ca noua versiune să fie complet activă</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Repornire acum</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Repornire mai târziu</translation>
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
        <translation>Descărcarea nu a reușit!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Încercați din nou!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Software-ul %1% vă ajută să vă protejați de spyware, escroci și spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Faceți clic pe Dezinstalare pentru a începe să dezinstalați %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Faceți clic pe Anulare pentru a anula dezinstalarea</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Dezinstalare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Am eliminat %1% de pe computer.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Faceți clic pe Terminare, apoi completați sondajul nostru de dezinstalare pentru a ne ajuta să înțelegem de ce ați dezinstalat produsul.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminare</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENȚIE: QUOBEX NU ESTE ÎNCĂ INSTALAT</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Sigur doriți să anulați instalarea?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Faceți clic pe „Instalare” sau închideți această fereastră dacă doriți să faceți selecția și să instalați Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Faceți din nou clic pe „Anulare” mai jos pentru a ieși fără a instala Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Făcând clic pe Instalare, acceptați</translation>
    </message>
    <message>
        <source>and</source>
        <translation>și</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licența %1% pentru utilizatorul final</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Acordul de licență Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>pentru utilizatorul final</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENȚIE: QUOBEX NU ESTE ÎNCĂ INSTALAT</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalarea este încă în curs. Dacă o anulați acum, Quobex nu va fi instalat complet.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Faceți clic pe butonul albastru „Continuare” pentru a finaliza instalarea.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Faceți clic pe „Anulare” mai jos dacă v-ați răzgândit și nu mai doriți să instalați Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Ați ales să dezinstalați %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>În caz că nu știați:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>În ultimele 24 de ore, utilizatorul obișnuit (da, și dumneavoastră!) a fost protejat de vizitarea adreselor infectate din baza noastră de date, în număr de %1%.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Poate acest lucru vă va face să vă răzgândiți:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Numărul adreselor noi pe care le adăugăm la fiecare cinci zile depășește în medie %1%, iar de obicei mai puțin de %2% redevin sigure.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Opriți dezinstalarea și faceți din %1% furnizorul meu de căutare implicit!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Nu m-am răzgândit. Dezinstalați %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulare</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>În medie, numărul adreselor adăugate zilnic în baza noastră de date este de %1%, iar doar %2% redevin sigure.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respectăm protecția pe care o aveți deja sau curajul de a risca să accesați din greșeală una dintre adresele web periculoase de pe internet, al căror număr ajunge la %1%.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Vă mulțumim că ați încercat %1%. Sperăm că măcar sunteți de acord că am făcut o treabă destul de bună cu un produs complet gratuit.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Cu un produs al concurenței, ați plăti aproximativ 10 USD pe an.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>M-am răzgândit, o protecție gratuită nu e chiar atât de rea. Opriți dezinstalarea și faceți din %1% furnizorul meu de căutare implicit!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NU VREAU PROTECȚIE NICI MĂCAR GRATUITĂ!!! Și acum, vă rog, terminați de dezinstalat %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Am detectat că aveți deja instalat %1%. Nu puteți instala %2% până nu dezinstalați %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Program de instalare %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Nu s-a putut porni %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Se pare că Quobex rulează în acest moment. Închideți Quobex și celelalte programe care ar putea rula, apoi faceți clic pe „Reîncercare” pentru a continua instalarea.</translation>
    </message>
</context>
</TS>
