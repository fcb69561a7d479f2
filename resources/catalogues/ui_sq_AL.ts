<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="sq_AL" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Mbështet plotësisht QBX dhe ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Shifrim i sigurt AES 256-bit</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Gati për Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% falas përgjithmonë</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Rezultate kërkimi të besueshme</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Për shfletuesit e Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Duke klikuar Instalo, pranoni</translation>
    </message>
    <message>
        <source>and</source>
        <translation>dhe</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>marrëveshjen e licencës së Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>për përdoruesin fundor</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licencën e %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Pse e rekomandojmë?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>REKOMANDOHET: instalo edhe Quobex, edhe Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NUK DUA MBROJTJE KËRKIMI. Instalo vetëm Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Fillimisht zgjidhni më sipër një lloj instalimi</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Paralajmërim</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Prisni, po instalojmë softuerin tuaj</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Po shkarkohet</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Po instalohet</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalimi përfundoi</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Tani jeni të mbrojtur nga %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Duhet ta rinisni kompjuterin që versioni i ri të jetë plotësisht aktiv</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Rinis tani</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Rinis më vonë</translation>
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
        <translation>Shkarkimi dështoi!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Provo përsëri!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Softueri %1% ju ndihmon të mbroheni nga programet spiune, mashtruesit dhe posta e padëshiruar</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klikoni Çinstalo për të filluar çinstalimin e %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klikoni Anulo për ta anuluar çinstalimin</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Çinstalo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>E hoqëm %1% nga kompjuteri juaj.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klikoni Përfundo dhe më pas plotësoni anketën tonë, që të kuptojmë pse e çinstaluat.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Përfundo</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>KUJDES: QUOBEX NUK ËSHTË INSTALUAR ENDE</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Doni vërtet ta anuloni instalimin?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Nëse doni të bëni zgjedhjen dhe të përfundoni instalimin e Quobex, klikoni „Instalo“ ose mbyllni këtë dritare.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Për të dalë pa instaluar Quobex, klikoni sërish „Anulo“ më poshtë.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Duke klikuar Instalo, pranoni</translation>
    </message>
    <message>
        <source>and</source>
        <translation>dhe</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licencën e %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>marrëveshjen e licencës së Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>për përdoruesin fundor</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>KUJDES: QUOBEX NUK ËSHTË INSTALUAR ENDE</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalimi është ende në vazhdim. Nëse e anuloni tani, Quobex nuk do të instalohet plotësisht.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klikoni butonin blu „Vazhdo“ për të përfunduar instalimin.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Nëse keni ndryshuar mendje dhe nuk doni më ta instaloni Quobex, klikoni „Anulo“ më poshtë.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Vazhdo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Keni zgjedhur të çinstaloni %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Në rast se nuk e dinit:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Gjatë 24 orëve të fundit, përdoruesit tanë (po, edhe ju!) janë mbrojtur nga vizitimi i cilësdo prej %1% adresave të infektuara në bazën tonë të të dhënave.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Ndoshta kjo do t’ju bëjë të ndryshoni mendje:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Mesatarisht çdo pesë ditë shtojmë mbi %1% adresa të reja, dhe zakonisht më pak se %2% prej tyre bëhen sërish të sigurta.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ndërprit çinstalimin dhe bëje %1% ofruesin tim të parazgjedhur të kërkimit!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Nuk e kam ndryshuar mendjen. Çinstalo %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulo</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Mesatarisht çdo ditë në bazën tonë të të dhënave shtohen %1% adresa dhe vetëm %2% bëhen sërish të sigurta.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respektojmë mbrojtjen që keni tashmë, ose guximin tuaj për të rrezikuar të vizitoni rastësisht një nga %1% adresat e rrezikshme në internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Faleminderit që provuat %1%. Shpresojmë që të paktën të pajtoheni se bëmë një punë mjaft të mirë me një produkt krejtësisht falas.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Po të përdornit produktin e një konkurrenti, do të paguanit rreth 10 USD në vit.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>E ndryshova mendjen, mbrojtja falas nuk është edhe aq e keqe. Ndërprit çinstalimin dhe bëje %1% ofruesin tim të parazgjedhur të kërkimit!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NUK DUA MBROJTJE, EDHE NËSE ËSHTË FALAS!!! Tani, ju lutem, përfundojeni çinstalimin e %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Zbuluam se e keni tashmë të instaluar %1%. Nuk mund të instaloni %2% derisa të çinstaloni %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instaluesi i %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Nisja e %1% dështoi</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Duket se Quobex është aktualisht në ekzekutim. Mbyllni Quobex dhe programet e tjera që mund të jenë në ekzekutim, pastaj klikoni „Riprovo“ për të vazhduar instalimin.</translation>
    </message>
</context>
</TS>
