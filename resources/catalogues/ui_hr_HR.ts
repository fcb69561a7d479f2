<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="hr_HR" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Potpuna podrška za QBX i ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Sigurno 256-bitno AES šifriranje</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Spremno za Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Uvijek 100 % besplatno</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Pouzdani rezultati pretrage</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Za preglednike za Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klikom na Instaliraj prihvaćate</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex licencni ugovor</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s krajnjim korisnikom</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% licencni ugovor s krajnjim korisnikom</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Zašto ga preporučujemo?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>PREPORUČENO: instaliraj i Quobex i Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NE ŽELIM ZAŠTITU PRETRAŽIVANJA. Instaliraj samo Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instaliraj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Najprije gore odaberite vrstu instalacije</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozorenje</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Pričekajte dok instaliramo softver</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Preuzimanje</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instaliranje</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalacija je dovršena</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Sada vas štiti %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Da bi nova verzija bila potpuno aktivna, morate ponovno pokrenuti računalo</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Ponovno pokreni sada</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Ponovno pokreni kasnije</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Preuzimanje nije uspjelo!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Pokušaj ponovno!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Softver %1% pomaže vam u zaštiti od špijunskog softvera, prevaranata i neželjene pošte</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Kliknite Deinstaliraj da biste deinstalirali %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kliknite Odustani da biste otkazali deinstalaciju</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstaliraj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Uklonili smo %1% s vašeg računala.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Kliknite Završi, a zatim ispunite našu anketu kako bismo razumjeli zašto ste deinstalirali proizvod.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Završi</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>PAŽNJA: QUOBEX JOŠ NIJE INSTALIRAN</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Želite li zaista otkazati instalaciju?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Ako želite odabrati opciju i dovršiti instalaciju programa Quobex, kliknite „Instaliraj” ili zatvorite ovaj prozor.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Ako želite izaći bez instaliranja programa Quobex, ponovno kliknite „Odustani” u nastavku.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klikom na Instaliraj prihvaćate</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% licencni ugovor s krajnjim korisnikom</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex licencni ugovor</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s krajnjim korisnikom</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instaliraj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>PAŽNJA: QUOBEX JOŠ NIJE INSTALIRAN</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalacija je još u tijeku. Ako je sada otkažete, Quobex neće biti potpuno instaliran.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Kliknite plavi gumb „Nastavi” da biste dovršili instalaciju.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Ako ste se predomislili i više ne želite instalirati Quobex, kliknite „Odustani” u nastavku.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Odabrali ste deinstalaciju proizvoda %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Ako slučajno niste znali:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>U posljednja 24 sata naši korisnici (da, i vi!) bili su zaštićeni od posjeta bilo kojoj od %1% zaraženih adresa iz naše baze podataka.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Možda ćete se zbog ovoga predomisliti:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>U prosjeku svakih pet dana dodamo više od %1% novih adresa, a obično ih manje od %2% ponovno proglasimo sigurnima.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Prekini deinstalaciju i postavi %1% kao zadanog davatelja usluge pretraživanja!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Ostajem pri svome. Deinstaliraj %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>U prosjeku svaki dan u našu bazu podataka dodamo %1% adresa, a samo %2% ponovno proglasimo sigurnima.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Poštujemo zaštitu koju već imate ili vašu hrabrost da riskirate slučajan posjet nekoj od %1% opasnih web-adresa.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Hvala što ste isprobali %1%. Nadamo se da ćete se barem složiti da smo s potpuno besplatnim proizvodom napravili prilično dobar posao.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Za konkurentski proizvod plaćali biste otprilike 10 USD godišnje.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Predomišljam se, besplatna zaštita ipak nije tako loša. Prekini deinstalaciju i postavi %1% kao zadanog davatelja usluge pretraživanja!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NE ŽELIM ZAŠTITU, ČAK NI BESPLATNU!!! A sada, molim vas, dovršite deinstalaciju proizvoda %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Otkrili smo da već imate instaliran proizvod %1%. Ne možete instalirati %2% dok ne deinstalirate %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalacijski program za %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Pokretanje %1% nije uspjelo</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Čini se da je Quobex trenutno pokrenut. Zatvorite Quobex i druge pokrenute programe, a zatim kliknite „Pokušaj ponovno” da biste nastavili instalaciju.</translation>
    </message>
</context>
</TS>
