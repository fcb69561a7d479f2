<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="sr_RS" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Потпуна подршка за QBX и ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Поуздано шифровање AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Подршка за Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% бесплатно заувек</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Поуздани резултати претраге</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>За Windows прегледаче</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Кликом на „Инсталирај“ прихватате</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>уговор о лиценци програма Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>за крајњег корисника</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>уговор о лиценци за %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Зашто ово препоручујемо?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ПРЕПОРУЧЕНО: инсталирај и Quobex и Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>НЕ ЖЕЛИМ ЗАШТИТУ ПРЕТРАГЕ. Инсталирај само Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Инсталирај</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Прво изаберите опцију инсталације изнад</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Упозорење</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Сачекајте док инсталирамо софтвер</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Преузимање</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Инсталирање</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Инсталација је довршена</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Сада вас штити %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Поново покрените рачунар да би нова верзија била потпуно активна</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Поново покрени сада</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Поново покрени касније</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Преузимање није успело!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Покушај поново</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% вам помаже да се заштитите од шпијунског софтвера, преваранта и спама</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Кликните на „Деинсталирај“ да бисте деинсталирали %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Кликните на „Откажи“ да бисте отказали деинсталацију</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Деинсталирај</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Уклонили смо %1% са рачунара.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Кликните на „Заврши“, а затим попуните анкету да бисмо сазнали зашто сте деинсталирали програм.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Заврши</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ПАЖЊА: QUOBEX ЈОШ НИЈЕ ИНСТАЛИРАН</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Да ли заиста желите да кликнете на „Откажи“ и прекинете инсталацију?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Кликните на „Инсталирај“ или затворите овај прозор да бисте изабрали опцију и довршили инсталацију програма Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Поново кликните на „Откажи“ испод да бисте изашли без инсталирања програма Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Кликом на „Инсталирај“ прихватате</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>уговор о лиценци за %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>уговор о лиценци програма Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>за крајњег корисника</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Инсталирај</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ПАЖЊА: QUOBEX ЈОШ НИЈЕ ИНСТАЛИРАН</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Инсталација је још у току. Ако је сада откажете, Quobex неће бити потпуно инсталиран.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Кликните на плаво дугме „Настави“ да бисте довршили инсталацију.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Кликните на „Откажи“ испод ако сте се предомислили и више не желите да инсталирате Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Настави</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Изабрали сте да деинсталирате %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>За случај да нисте знали:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Током последња 24 сата наши корисници (да, и ви!) били су заштићени од посете било којој од заражених адреса из наше базе (укупно %1%).</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Можда ћете се због овога предомислити:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>У просеку сваких пет дана број нових адреса у нашој бази порасте за више од %1%, а обично мање од %2% поново постане безбедно.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Прекини деинсталацију и постави %1% за подразумеваног добављача претраге!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Одлука је коначна. Деинсталирај %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>У реду</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Откажи</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Број адреса у нашој бази сваког дана у просеку порасте за %1%, а само %2% поново постане безбедно.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Поштујемо заштиту коју већ имате или вашу храброст да ризикујете случајну посету некој од опасних веб-адреса на интернету (укупно %1%).</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Хвала што сте испробали %1%. Надамо се да ћете се сложити да смо се за потпуно бесплатан производ прилично потрудили.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Да користите производ конкурента, плаћали бисте око 10 USD годишње.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ипак, бесплатна заштита и није тако лоша. Прекини деинсталацију и постави %1% за подразумеваног добављача претраге!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>НЕ ЖЕЛИМ ЗАШТИТУ, ЧАК НИ БЕСПЛАТНУ!!! Деинсталирај већ једном %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>На рачунару је већ инсталиран програм %1%. Не можете да инсталирате %2% док не деинсталирате %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Инсталатер за %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Покретање %1% није успело</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Изгледа да је Quobex тренутно покренут. Затворите Quobex и друге покренуте програме, а затим кликните на „Покушај поново“ да бисте наставили инсталацију.</translation>
    </message>
</context>
</TS>
