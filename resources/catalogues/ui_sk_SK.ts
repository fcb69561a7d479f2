<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="sk_SK" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Plná podpora QBX a ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Bezpečné 256-bitové šifrovanie AES</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Pripravené pre Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Navždy 100% zadarmo</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Spoľahlivé výsledky hľadania</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Pre prehliadače vo Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Kliknutím na Inštalovať prijímate</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenčnú zmluvu Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s koncovým používateľom</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenčnú zmluvu %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Prečo ho odporúčame?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ODPORÚČANÉ: nainštalovať Quobex aj Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NECHCEM OCHRANU VYHĽADÁVANIA. Nainštalovať iba Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Inštalovať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Najskôr vyššie vyberte typ inštalácie</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornenie</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Počkajte, kým sa softvér nainštaluje</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Preberanie</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Inštalácia</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Inštalácia je dokončená</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Teraz vás chráni %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Na úplné aktivovanie novej verzie musíte reštartovať počítač</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reštartovať teraz</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reštartovať neskôr</translation>
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
        <translation>Preberanie zlyhalo!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Skúsiť znova!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Softvér %1% vám pomáha chrániť sa pred spywarom, podvodníkmi a spamom</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Kliknutím na Odinštalovať spustíte odinštalovanie %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kliknutím na Zrušiť odinštalovanie zrušíte</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinštalovať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% sme odstránili z vášho počítača.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Kliknite na Dokončiť a potom vyplňte náš dotazník, ktorý nám pomôže pochopiť, prečo ste produkt odinštalovali.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončiť</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX EŠTE NIE JE NAINŠTALOVANÝ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Naozaj chcete inštaláciu zrušiť?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Ak chcete vybrať možnosť a dokončiť inštaláciu Quobex, kliknite na „Inštalovať“ alebo zatvorte toto okno.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Ak chcete skončiť bez inštalácie Quobex, kliknite nižšie znova na „Zrušiť“.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Kliknutím na Inštalovať prijímate</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenčnú zmluvu %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenčnú zmluvu Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s koncovým používateľom</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Inštalovať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX EŠTE NIE JE NAINŠTALOVANÝ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Inštalácia stále prebieha. Ak ju teraz zrušíte, Quobex nebude úplne nainštalovaný.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Kliknutím na modré tlačidlo „Pokračovať“ inštaláciu dokončíte.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Ak ste si to rozmysleli a Quobex už nechcete inštalovať, kliknite nižšie na „Zrušiť“.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Rozhodli ste sa odinštalovať %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Len pre prípad, že by ste to nevedeli:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Za posledných 24 hodín sme našich priemerných používateľov (áno, aj vás!) ochránili pred návštevou ktorejkoľvek z %1% infikovaných adries v našej databáze.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Možno vás toto presvedčí:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Každých päť dní pridáme v priemere viac ako %1% nových adries a zvyčajne menej ako %2% z nich opäť označíme za bezpečné.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Zrušiť odinštalovanie a nastaviť %1% ako predvoleného poskytovateľa vyhľadávania!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Trvám na svojom. Odinštalovať %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Každý deň pridáme do našej databázy v priemere %1% adries a len %2% z nich opäť označíme za bezpečné.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Rešpektujeme ochranu, ktorú už máte, alebo vašu odvahu riskovať, že omylom navštívite niektorú z %1% nebezpečných webových adries.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Ďakujeme, že ste vyskúšali %1%. Dúfame, že aspoň uznáte, že sme s úplne bezplatným produktom odviedli celkom dobrú prácu.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Za produkt konkurencie by ste platili približne 10 USD ročne.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Beriem to späť, bezplatná ochrana nakoniec nie je až taká zlá. Zrušiť odinštalovanie a nastaviť %1% ako predvoleného poskytovateľa vyhľadávania!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NECHCEM OCHRANU, ANI KEĎ JE ZADARMO!!! Tak už prosím dokončite odinštalovanie %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Zistili sme, že už máte nainštalovaný produkt %1%. Produkt %2% nemožno nainštalovať, kým neodinštalujete %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Inštalačný program %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Spustenie %1% zlyhalo</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Zdá sa, že je práve spustený Quobex. Zatvorte Quobex a ďalšie spustené programy a potom pokračujte v inštalácii kliknutím na „Opakovať“.</translation>
    </message>
</context>
</TS>
