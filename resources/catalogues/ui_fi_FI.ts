<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="fi_FI" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Täysi QBX- ja ZIP-tuki</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Turvallinen AES-256-salaus</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Valmis Windows 10:lle</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Aina 100 % ilmainen</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Luotettavat hakutulokset</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows-selaimille</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Napsauttamalla Asenna hyväksyt</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobexin loppukäyttäjän</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>käyttöoikeussopimuksen</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% -käyttöehdot</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Miksi suosittelemme sitä?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>SUOSITELTU: Asenna sekä Quobex että Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>EN HALUA HAKUSUOJAUSTA. Asenna vain Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Valitse ensin asennustapa yläpuolelta</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varoitus</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Odota, kun ohjelmistoa asennetaan</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Asennetaan</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Asennus on valmis</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Sinua suojaa nyt %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Käynnistä tietokone uudelleen, jotta uusi versio otetaan täysin käyttöön</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Käynnistä uudelleen nyt</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Käynnistä uudelleen myöhemmin</translation>
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
        <translation>Lataus epäonnistui!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Yritä uudelleen!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% auttaa suojaamaan sinua vakoiluohjelmilta, huijareilta ja roskapostilta</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Poista %1% napsauttamalla Poista asennus.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Peruuta asennuksen poisto napsauttamalla Peruuta</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Poista asennus</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% on poistettu tietokoneestasi.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Napsauta Valmis ja vastaa sitten kyselyymme, jotta ymmärrämme, miksi poistit asennuksen.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Valmis</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>HUOMIO: QUOBEXIA EI OLE VIELÄ ASENNETTU</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Haluatko varmasti peruuttaa asennuksen?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Napsauta ”Asenna” tai sulje tämä ikkuna, jos haluat tehdä valintasi ja asentaa Quobexin.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Napsauta alla uudelleen ”Peruuta”, jos haluat lopettaa asentamatta Quobexia.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Napsauttamalla Asenna hyväksyt</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% -käyttöehdot</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobexin loppukäyttäjän</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>käyttöoikeussopimuksen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>HUOMIO: QUOBEXIA EI OLE VIELÄ ASENNETTU</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Asennus on vielä kesken. Jos peruutat sen nyt, Quobexia ei asenneta kokonaan.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Viimeistele asennus napsauttamalla sinistä ”Jatka”-painiketta.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Napsauta alla ”Peruuta”, jos muutit mielesi etkä enää halua asentaa Quobexia.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Olet poistamassa tuotetta %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Siltä varalta, ettet tiennyt:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Viimeisen 24 tunnin aikana käyttäjiämme (kyllä, myös sinua!) on keskimäärin suojattu kaikilta tietokantamme %1% saastuneelta osoitteelta.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Ehkä tämä saa sinut muuttamaan mielesi:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Lisäämme keskimäärin yli %1% uutta osoitetta viiden päivän välein, ja yleensä alle %2% muuttuu jälleen turvalliseksi.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Keskeytä asennuksen poisto ja aseta %1% oletushakupalveluksi!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>En ole muuttanut mieltäni. Poista %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Tietokantaamme lisätään keskimäärin joka ikinen päivä %1% osoitetta, ja vain %2% muuttuu jälleen turvalliseksi.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Kunnioitamme jo käytössäsi olevaa suojausta tai rohkeuttasi ottaa riski, että vierailet vahingossa jossakin internetin %1% vaarallisesta verkko-osoitteesta.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Kiitos, että kokeilit tuotetta %1%. Toivottavasti olet edes samaa mieltä siitä, että täysin ilmaiseksi tuotteeksi se on melko hyvä.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Kilpailijan tuotteesta joutuisit maksamaan noin 10 USD vuodessa.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Muutin mieleni, ilmainen suojaus ei olekaan hassumpi. Keskeytä asennuksen poisto ja aseta %1% oletushakupalveluksi!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>EN HALUA SUOJAUSTA, VAIKKA SE ON ILMAINEN!!! Poista nyt vihdoin %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% on jo asennettu. Tuotetta %2% ei voi asentaa ennen kuin poistat tuotteen %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% -asennusohjelma</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Kohteen %1% käynnistäminen epäonnistui</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex näyttää olevan käynnissä. Sulje Quobex ja muut käynnissä olevat ohjelmat ja jatka asennusta napsauttamalla ”Yritä uudelleen”.</translation>
    </message>
</context>
</TS>
