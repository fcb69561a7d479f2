<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ru_RU" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Полная поддержка QBX и ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Надежное шифрование AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Работает в Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% бесплатно навсегда</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Надежные результаты поиска</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Для браузеров в Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Нажимая «Установить», вы принимаете</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>соглашение Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>с конечным пользователем</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>лицензионное соглашение %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Почему мы это рекомендуем?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>РЕКОМЕНДУЕТСЯ: установить Quobex и Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>МНЕ НЕ НУЖНА ЗАЩИТА ПОИСКА. Установить только Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Сначала выберите вариант установки выше</translation>
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
        <translation>Подождите, идет установка программ</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Скачивание</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Установка</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Установка завершена</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Теперь вас защищает %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Чтобы новая версия заработала полностью, перезагрузите компьютер</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Перезагрузить сейчас</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Перезагрузить позже</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Ошибка скачивания!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Повторить попытку</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% помогает защититься от шпионских программ, мошенников и спама</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Нажмите «Удалить», чтобы удалить %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Нажмите «Отмена», чтобы отменить удаление</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Программа %1% удалена с компьютера.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Нажмите «Готово» и пройдите опрос, чтобы помочь нам понять, почему вы удалили программу.</translation>
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
        <translation>ВНИМАНИЕ: QUOBEX ЕЩЕ НЕ УСТАНОВЛЕН</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Вы действительно хотите нажать «Отмена» и прервать установку?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Нажмите «Установить» или закройте это окно, чтобы сделать выбор и завершить установку Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Нажмите «Отмена» ниже еще раз, чтобы выйти без установки Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Нажимая «Установить», вы принимаете</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>лицензионное соглашение %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>соглашение Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>с конечным пользователем</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ВНИМАНИЕ: QUOBEX ЕЩЕ НЕ УСТАНОВЛЕН</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Установка еще не завершена. Если отменить ее сейчас, Quobex не будет установлен полностью.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Нажмите синюю кнопку «Продолжить», чтобы завершить установку.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Нажмите «Отмена» ниже, если вы передумали устанавливать Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Вы решили удалить %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>На случай, если вы не знали:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>За последние 24 часа наши пользователи (да, и вы тоже!) были защищены от посещения любого из зараженных адресов в нашей базе (всего их %1%).</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Возможно, это вас переубедит:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>В среднем за пять дней число новых адресов в нашей базе растет более чем на %1%, а снова безопасными обычно становятся менее %2%.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Отменить удаление и сделать %1% поисковой системой по умолчанию!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Решение не изменилось. Удалить %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Каждый день число адресов в нашей базе растет в среднем на %1%, а снова безопасными становятся лишь %2%.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Мы уважаем вашу текущую защиту или смелость рискнуть и случайно зайти на один из опасных адресов в Интернете (а их %1%).</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Спасибо, что попробовали %1%. Надеемся, вы согласитесь, что для полностью бесплатного продукта мы неплохо поработали.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Продукт конкурентов обошелся бы вам примерно в 10 USD в год.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Пожалуй, бесплатная защита — не так уж и плохо. Отменить удаление и сделать %1% поисковой системой по умолчанию!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>МНЕ НЕ НУЖНА ЗАЩИТА, ДАЖЕ БЕСПЛАТНАЯ!!! Да удалите же наконец %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Обнаружена установленная программа %1%. Чтобы установить %2%, сначала удалите %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Установщик %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Не удалось запустить %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Похоже, Quobex сейчас запущен. Закройте Quobex и другие запущенные программы, а затем нажмите «Повтор», чтобы продолжить установку.</translation>
    </message>
</context>
</TS>
