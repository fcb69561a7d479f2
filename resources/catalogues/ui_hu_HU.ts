<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="hu_HU" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Teljes QBX- és ZIP-támogatás</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Biztonságos AES-256 titkosítás</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10-kompatibilis</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Örökre 100%-ban ingyenes</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Megbízható keresési találatok</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows-böngészőkhöz</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>A Telepítés gombra kattintva elfogadja a</translation>
    </message>
    <message>
        <source>and</source>
        <translation>és a</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex végfelhasználói</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>licencszerződését</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% végfelhasználói licencszerződését</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Miért ajánljuk?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>AJÁNLOTT: a Quobex és a Varnhelm Sentovar telepítése.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NEM KÉREK KERESÉSVÉDELMET. Csak a Quobex telepítése!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Először válasszon fent egy telepítési módot</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Figyelmeztetés</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Várjon, amíg telepítjük a szoftvert</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Telepítés</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>A telepítés befejeződött</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Mostantól a %1% %2% védi Önt</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Az új verzió teljes aktiválásához újra kell indítania a számítógépet</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Újraindítás most</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Újraindítás később</translation>
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
        <translation>A letöltés nem sikerült!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Próbálja újra!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>A %1% szoftver segít megvédeni Önt a kémprogramoktól, a csalóktól és a levélszeméttől</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>A %1% eltávolításához kattintson az Eltávolítás gombra.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Az eltávolítás megszakításához kattintson a Mégse gombra</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>A %1% terméket eltávolítottuk a számítógépről.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Kattintson a Befejezés gombra, majd töltse ki kérdőívünket, hogy megértsük, miért távolította el a terméket.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Befejezés</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>FIGYELEM! A QUOBEX MÉG NINCS TELEPÍTVE</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Biztosan megszakítja a telepítést?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Ha választani szeretne, és be szeretné fejezni a Quobex telepítését, kattintson a „Telepítés” gombra, vagy zárja be ezt az ablakot.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Ha a Quobex telepítése nélkül szeretne kilépni, kattintson ismét a lenti „Mégse” gombra.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>A Telepítés gombra kattintva elfogadja a</translation>
    </message>
    <message>
        <source>and</source>
        <translation>és a</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% végfelhasználói licencszerződését</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex végfelhasználói</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>licencszerződését</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>FIGYELEM! A QUOBEX MÉG NINCS TELEPÍTVE</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>A telepítés még folyamatban van. Ha most megszakítja, a Quobex telepítése nem lesz teljes.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>A telepítés befejezéséhez kattintson a kék „Folytatás” gombra.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Ha meggondolta magát, és már nem szeretné telepíteni a Quobexet, kattintson a lenti „Mégse” gombra.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Úgy döntött, hogy eltávolítja a %1% terméket.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Ha esetleg nem tudná:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Az elmúlt 24 órában felhasználóinkat (igen, Önt is!) megvédtük attól, hogy felkeressék az adatbázisunkban szereplő %1% fertőzött cím bármelyikét.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Talán ez meggyőzi:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Átlagosan ötnaponta több mint %1% új címet veszünk fel, és ezek közül általában kevesebb mint %2% válik újra biztonságossá.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Az eltávolítás megszakítása és a %1% beállítása alapértelmezett keresési szolgáltatóként!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Nem gondoltam meg magam. A %1% eltávolítása!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Adatbázisunk naponta átlagosan %1% címmel bővül, és közülük csak %2% válik újra biztonságossá.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Tiszteletben tartjuk a már meglévő védelmét vagy a bátorságát, hogy megkockáztatja: véletlenül felkeresi az internet %1% veszélyes webcímének egyikét.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Köszönjük, hogy kipróbálta a %1% terméket. Reméljük, legalább abban egyetért, hogy egy teljesen ingyenes termékhez képest egész jó munkát végeztünk.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Egy versenytárs termékéért évente körülbelül 10 USD-t kellene fizetnie.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Meggondoltam magam, az ingyenes védelem végül is nem olyan rossz. Az eltávolítás megszakítása és a %1% beállítása alapértelmezett keresési szolgáltatóként!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NEM KÉREK VÉDELMET, MÉG INGYEN SEM!!! Most pedig legyen szíves befejezni a %1% eltávolítását!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Azt észleltük, hogy a(z) %1% már telepítve van. A %2% csak a(z) %3% eltávolítása után telepíthető.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% telepítő</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Nem sikerült elindítani: %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Úgy tűnik, hogy a Quobex jelenleg fut. Zárja be a Quobexet és a többi futó programot, majd a telepítés folytatásához kattintson az „Újra” gombra.</translation>
    </message>
</context>
</TS>
