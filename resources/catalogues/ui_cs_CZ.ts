<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="cs_CZ" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Plná podpora QBX a ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Bezpečné 256bitové šifrování AES</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Připraveno pro Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Navždy 100% zdarma</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Důvěryhodné výsledky hledání</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Pro prohlížeče ve Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Kliknutím na Instalovat přijímáte</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenční smlouvu Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s koncovým uživatelem</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenční smlouvu %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Proč ho doporučujeme?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>DOPORUČENO: nainstalovat Quobex i Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NECHCI OCHRANU VYHLEDÁVÁNÍ. Nainstalovat jen Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Nejprve výše vyberte typ instalace</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Počkejte prosím, probíhá instalace softwaru</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalace</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalace je dokončena</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Nyní vás chrání %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Aby byla nová verze plně funkční, musíte restartovat počítač</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Restartovat nyní</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Restartovat později</translation>
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
        <translation>Stahování se nezdařilo!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Zkusit znovu!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Software %1% vám pomáhá chránit se před spywarem, podvodníky a spamem</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Kliknutím na Odinstalovat spustíte odinstalaci %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kliknutím na Storno odinstalaci zrušíte</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstalovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% jsme odebrali z vašeho počítače.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klikněte na Dokončit a pak vyplňte náš dotazník, který nám pomůže pochopit, proč jste produkt odinstalovali.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Dokončit</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX JEŠTĚ NENÍ NAINSTALOVÁN</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Opravdu chcete instalaci zrušit?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Chcete-li provést výběr a dokončit instalaci Quobex, klikněte na „Instalovat“ nebo zavřete toto okno.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Chcete-li skončit bez instalace Quobex, klikněte níže znovu na „Storno“.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Kliknutím na Instalovat přijímáte</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>licenční smlouvu %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>licenční smlouvu Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>s koncovým uživatelem</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>POZOR, QUOBEX JEŠTĚ NENÍ NAINSTALOVÁN</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalace stále probíhá. Pokud ji nyní zrušíte, Quobex nebude úplně nainstalován.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Kliknutím na modré tlačítko „Pokračovat“ instalaci dokončíte.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Pokud jste si to rozmysleli a Quobex už instalovat nechcete, klikněte níže na „Storno“.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Rozhodli jste se odinstalovat %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Jen pro případ, že byste to nevěděli:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Za posledních 24 hodin jsme naše průměrné uživatele (ano, i vás!) ochránili před návštěvou kterékoli z %1% infikovaných adres v naší databázi.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Možná vás tohle přesvědčí:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Každých pět dní přidáme v průměru přes %1% nových adres a obvykle méně než %2% z nich opět označíme za bezpečné.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Zrušit odinstalaci a nastavit %1% jako výchozího poskytovatele vyhledávání!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Trvám na svém. Odinstalovat %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Každý den do naší databáze přidáme v průměru %1% adres a jen %2% z nich opět označíme za bezpečné.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respektujeme ochranu, kterou už máte, nebo vaši odvahu riskovat, že omylem navštívíte některou z %1% nebezpečných webových adres.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Děkujeme, že jste vyzkoušeli %1%. Doufáme, že aspoň uznáte, že jsme s úplně bezplatným produktem odvedli docela dobrou práci.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Za produkt konkurence byste platili přibližně 10 USD ročně.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Beru to zpět, bezplatná ochrana nakonec není tak špatná. Zrušit odinstalaci a nastavit %1% jako výchozího poskytovatele vyhledávání!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NECHCI OCHRANU, ANI KDYŽ JE ZDARMA!!! Tak už prosím dokončete odinstalaci %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Zjistili jsme, že už máte nainstalovaný produkt %1%. Produkt %2% nelze nainstalovat, dokud neodinstalujete %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalační program %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Spuštění %1% se nezdařilo</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Zdá se, že je právě spuštěn Quobex. Zavřete Quobex a další spuštěné programy a potom pokračujte v instalaci kliknutím na „Opakovat“.</translation>
    </message>
</context>
</TS>
