<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="bg_BG" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Пълна поддръжка на QBX и ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Надеждно шифроване AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Работи с Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% безплатно завинаги</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Надеждни резултати от търсене</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>За браузъри в Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Щраквайки върху „Инсталиране“, приемате</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>лиценза на Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>за крайни потребители</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>лиценза на %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Защо го препоръчваме?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ПРЕПОРЪЧВА СЕ: инсталиране на Quobex и Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>НЕ ИСКАМ ЗАЩИТА ПРИ ТЪРСЕНЕ. Инсталиране само на Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Инсталиране</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Първо изберете вариант за инсталиране по-горе</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Изчакайте, докато инсталираме софтуера</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Изтегляне</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Инсталиране</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Инсталирането завърши</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Вече сте защитени от %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Рестартирайте компютъра, за да се активира напълно новата версия</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Рестартиране сега</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Рестартиране по-късно</translation>
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
        <translation>Неуспешно изтегляне!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Нов опит</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% ви помага да се защитите от шпионски софтуер, измамници и спам</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Щракнете върху „Деинсталиране“, за да деинсталирате %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Щракнете върху „Отказ“, за да откажете деинсталирането</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Деинсталиране</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Премахнахме %1% от компютъра ви.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Щракнете върху „Готово“ и попълнете анкетата, за да ни помогнете да разберем защо деинсталирахте.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ВНИМАНИЕ: QUOBEX ОЩЕ НЕ Е ИНСТАЛИРАН</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Наистина ли искате да прекратите инсталирането с „Отказ“?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Щракнете върху „Инсталиране“ или затворете този прозорец, за да направите избор и да завършите инсталирането на Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Щракнете отново върху „Отказ“ по-долу, за да излезете, без да инсталирате Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Щраквайки върху „Инсталиране“, приемате</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>лиценза на %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>лиценза на Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>за крайни потребители</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Инсталиране</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ВНИМАНИЕ: QUOBEX ОЩЕ НЕ Е ИНСТАЛИРАН</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Инсталирането още не е завършило. Ако го откажете сега, Quobex няма да бъде инсталиран напълно.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Щракнете върху синия бутон „Продължаване“, за да завършите инсталирането.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Щракнете върху „Отказ“ по-долу, ако сте размислили и вече не искате да инсталирате Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продължаване</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Избрахте да деинсталирате %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Ако случайно не знаете:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>През последните 24 часа нашите потребители (да, и вие!) бяха защитени от посещение на някой от %1% заразени адреса в нашата база данни.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Може би това ще ви накара да размислите:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Средно на всеки пет дни добавяме над %1% нови адреса, а обикновено по-малко от %2% отново стават безопасни.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Прекрати деинсталирането и направи %1% мой доставчик на търсене по подразбиране!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Решението ми е същото. Деинсталирай %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Средно всеки ден в нашата база данни се добавят %1% адреса, а само %2% отново стават безопасни.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Уважаваме защитата, която вече имате, или смелостта ви да рискувате случайно да посетите някой от %1% опасни уеб адреса в интернет.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Благодарим ви, че изпробвахте %1%. Надяваме се да се съгласите, че за напълно безплатен продукт сме се справили доста добре.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Ако използвахте продукт на конкурент, щяхте да плащате около 10 USD годишно.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Размислих – безплатната защита все пак не е толкова лошо нещо. Прекрати деинсталирането и направи %1% мой доставчик на търсене по подразбиране!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>НЕ ИСКАМ ЗАЩИТА, ДОРИ И БЕЗПЛАТНА!!! Хайде, довърши вече деинсталирането на %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Вече имате инсталирана програма %1%. Не можете да инсталирате %2%, докато не деинсталирате %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Инсталатор на %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Неуспешно стартиране на %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Изглежда, че Quobex в момента работи. Затворете Quobex и другите работещи програми, след което щракнете върху „Повторен опит“, за да продължите инсталирането.</translation>
    </message>
</context>
</TS>
