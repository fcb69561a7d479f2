<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="et_EE" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Täielik QBX- ja ZIP-tugi</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Turvaline AES-256-krüptimine</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Valmis Windows 10 jaoks</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Igavesti 100% tasuta</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Usaldatavad otsingutulemused</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windowsi brauseritele</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klõpsates nuppu Installi, nõustute</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobexi lõppkasutaja</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>litsentsilepinguga</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>toote %1% litsentsiga</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Miks me seda soovitame?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>SOOVITATAV: installi nii Quobex kui ka Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>MA EI SOOVI OTSINGUKAITSET. Installi ainult Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Valige esmalt ülalt installimise tüüp</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Hoiatus</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Oodake, kuni teie tarkvara installitakse</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Allalaadimine</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installimine</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installimine on lõpetatud</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Teid kaitseb nüüd %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Uue versiooni täielikuks aktiveerimiseks peate arvuti taaskäivitama</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Taaskäivita kohe</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Taaskäivita hiljem</translation>
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
        <translation>Allalaadimine nurjus!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Proovi uuesti!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% aitab teid kaitsta nuhkvara, petturite ja rämpsposti eest</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Toote %1% desinstallimiseks klõpsake nuppu Desinstalli.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Desinstallimise katkestamiseks klõpsake nuppu Loobu</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalli</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Toode %1% on teie arvutist eemaldatud.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klõpsake nuppu Valmis ja vastake meie küsitlusele, et saaksime aru, miks te desinstallisite.</translation>
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
        <translation>TÄHELEPANU! QUOBEX POLE VEEL INSTALLITUD</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Kas soovite kindlasti installimisest loobuda?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klõpsake nuppu „Installi“ või sulgege see aken, kui soovite teha valiku ja Quobexi installida.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klõpsake allpool uuesti nuppu „Loobu“, et väljuda Quobexi installimata.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klõpsates nuppu Installi, nõustute</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>toote %1% litsentsiga</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobexi lõppkasutaja</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>litsentsilepinguga</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>TÄHELEPANU! QUOBEX POLE VEEL INSTALLITUD</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Installimine on veel pooleli. Kui sellest praegu loobute, ei installita Quobexi täielikult.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Installimise lõpuleviimiseks klõpsake sinist nuppu „Jätka“.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klõpsake allpool nuppu „Loobu“, kui olete ümber mõelnud ega soovi enam Quobexi installida.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jätka</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Olete otsustanud toote %1% desinstallida.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Igaks juhuks, kui te ei teadnud:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Viimase 24 tunni jooksul on meie kasutajaid (jah, ka teid!) keskmiselt kaitstud meie andmebaasi %1% nakatunud aadressi külastamise eest.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Võib-olla paneb see teid ümber mõtlema:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Keskmiselt lisame iga viie päeva tagant üle %1% uue aadressi ja tavaliselt muutub neist alla %2% uuesti ohutuks.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Katkesta desinstallimine ja määra %1% minu vaikeotsingupakkujaks!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Ma pole ümber mõelnud. Desinstalli %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Loobu</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Keskmiselt lisandub meie andmebaasi iga päev %1% aadressi ja ainult %2% muutub uuesti ohutuks.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Austame teie olemasolevat kaitset või teie julgust riskida sellega, et külastate kogemata mõnda internetis leiduvast %1% ohtlikust veebiaadressist.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Täname, et proovisite toodet %1%. Loodame, et olete vähemalt nõus, et tegime täiesti tasuta toote puhul päris head tööd.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Konkurendi toote eest peaksite maksma umbes 10 USD aastas.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Mõtlesin ümber, tasuta kaitse polegi nii halb. Katkesta desinstallimine ja määra %1% minu vaikeotsingupakkujaks!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>MA EI TAHA KAITSET, ISEGI KUI SEE ON TASUTA!!! Desinstalli nüüd lõpuks %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% on juba installitud. Toodet %2% ei saa installida enne, kui olete toote %3% desinstallinud.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Toote %1% installiprogramm</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Faili %1% käivitamine nurjus</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex näib praegu töötavat. Sulgege Quobex ja muud töötavad programmid ning klõpsake installimise jätkamiseks nuppu „Proovi uuesti“.</translation>
    </message>
</context>
</TS>
