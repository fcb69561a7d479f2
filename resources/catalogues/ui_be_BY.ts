<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="be_BY" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Поўная падтрымка QBX і ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Надзейнае шыфраванне AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Працуе ў Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% бясплатна назаўсёды</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Надзейныя вынікі пошуку</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Для браўзераў у Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Націскаючы «Усталяваць», вы прымаеце</translation>
    </message>
    <message>
        <source>and</source>
        <translation>і</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ліцэнзійнае пагадненне Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>з канчатковым карыстальнікам</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ліцэнзійнае пагадненне %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Чаму мы гэта раім?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>РЭКАМЕНДУЕЦЦА: усталяваць Quobex і Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>МНЕ НЕ ПАТРЭБНА АБАРОНА ПОШУКУ. Усталяваць толькі Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Усталяваць</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Спачатку выберыце варыянт усталёўкі вышэй</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Папярэджанне</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Пачакайце, ідзе ўсталёўка праграм</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Спампоўка</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Усталёўка</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Усталёўка завершана</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Цяпер вас абараняе %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Каб новая версія запрацавала цалкам, перазапусціце камп’ютар</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Перазапусціць зараз</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Перазапусціць пазней</translation>
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
        <translation>Памылка спампоўкі!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Паспрабаваць зноў</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% дапамагае абараніцца ад шпіёнскіх праграм, ашуканцаў і спаму</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Націсніце «Выдаліць», каб выдаліць %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Націсніце «Скасаваць», каб скасаваць выдаленне</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Выдаліць</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Праграма %1% выдалена з камп’ютара.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Націсніце «Гатова» і прайдзіце апытанне, каб дапамагчы нам зразумець, чаму вы выдалілі праграму.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Гатова</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>УВАГА: QUOBEX ЯШЧЭ НЕ ЎСТАЛЯВАНЫ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Вы сапраўды хочаце націснуць «Скасаваць» і перапыніць усталёўку?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Націсніце «Усталяваць» або закрыйце гэта акно, каб зрабіць выбар і завяршыць усталёўку Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Націсніце «Скасаваць» ніжэй яшчэ раз, каб выйсці без усталёўкі Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Націскаючы «Усталяваць», вы прымаеце</translation>
    </message>
    <message>
        <source>and</source>
        <translation>і</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ліцэнзійнае пагадненне %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ліцэнзійнае пагадненне Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>з канчатковым карыстальнікам</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Усталяваць</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>УВАГА: QUOBEX ЯШЧЭ НЕ ЎСТАЛЯВАНЫ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Усталёўка яшчэ працягваецца. Калі скасаваць яе зараз, Quobex не будзе ўсталяваны цалкам.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Націсніце сінюю кнопку «Працягнуць», каб завяршыць усталёўку.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Націсніце «Скасаваць» ніжэй, калі вы перадумалі ўсталёўваць Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Працягнуць</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Вы вырашылі выдаліць %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Калі раптам вы не ведалі:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>За апошнія 24 гадзіны нашы карыстальнікі (так, і вы таксама!) былі абаронены ад наведвання любога з заражаных адрасоў у нашай базе (усяго іх %1%).</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Магчыма, гэта вас пераканае:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>У сярэднім за пяць дзён колькасць новых адрасоў у нашай базе расце больш чым на %1%, а зноў бяспечнымі звычайна становяцца менш за %2%.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Скасаваць выдаленне і зрабіць %1% пашукавай сістэмай па змаўчанні!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Рашэнне не змянілася. Выдаліць %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасаваць</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Штодня колькасць адрасоў у нашай базе расце ў сярэднім на %1%, а зноў бяспечнымі становяцца толькі %2%.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Мы паважаем вашу абарону або смеласць рызыкнуць і выпадкова наведаць адзін з небяспечных адрасоў у інтэрнэце (а іх %1%).</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Дзякуй, што паспрабавалі %1%. Спадзяемся, вы пагодзіцеся, што для цалкам бясплатнага прадукту мы папрацавалі нядрэнна.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Прадукт канкурэнтаў каштаваў бы вам прыкладна 10 USD за год.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Мабыць, бясплатная абарона — не так ужо і дрэнна. Скасаваць выдаленне і зрабіць %1% пашукавай сістэмай па змаўчанні!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>МНЕ НЕ ПАТРЭБНА АБАРОНА, НАВАТ БЯСПЛАТНАЯ!!! Ды выдаліце ўжо нарэшце %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Выяўлена ўсталяваная праграма %1%. Каб усталяваць %2%, спачатку выдаліце %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Усталёўшчык %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Не ўдалося запусціць %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Падобна, Quobex зараз запушчаны. Закрыйце Quobex і іншыя запушчаныя праграмы, а потым націсніце «Паўтарыць», каб працягнуць усталёўку.</translation>
    </message>
</context>
</TS>
