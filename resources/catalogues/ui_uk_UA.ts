<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="uk_UA" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Повна підтримка QBX і ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Надійне шифрування AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Працює в Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% безкоштовно назавжди</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Надійні результати пошуку</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Для браузерів у Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Натискаючи «Інсталювати», ви приймаєте</translation>
    </message>
    <message>
        <source>and</source>
        <translation>і</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ліцензійну угоду Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>з кінцевим користувачем</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ліцензійну угоду %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Чому ми це радимо?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>РЕКОМЕНДОВАНО: інсталювати Quobex і Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>МЕНІ НЕ ПОТРІБЕН ЗАХИСТ ПОШУКУ. Інсталювати лише Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Інсталювати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Спочатку виберіть варіант інсталяції вище</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Зачекайте, триває інсталяція програм</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Інсталяція</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Інсталяцію завершено</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Тепер вас захищає %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Щоб нова версія запрацювала повністю, перезавантажте комп’ютер</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Перезавантажити зараз</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Перезавантажити пізніше</translation>
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
        <translation>Помилка завантаження!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Спробувати ще раз</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% допомагає захиститися від шпигунських програм, шахраїв і спаму</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Натисніть «Видалити», щоб видалити %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Натисніть «Скасувати», щоб скасувати видалення</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Програму %1% видалено з комп’ютера.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Натисніть «Готово» й пройдіть опитування, щоб допомогти нам зрозуміти, чому ви видалили програму.</translation>
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
        <translation>УВАГА: QUOBEX ЩЕ НЕ ІНСТАЛЬОВАНО</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Ви справді хочете натиснути «Скасувати» й перервати інсталяцію?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Натисніть «Інсталювати» або закрийте це вікно, щоб зробити вибір і завершити інсталяцію Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Натисніть «Скасувати» нижче ще раз, щоб вийти без інсталяції Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Натискаючи «Інсталювати», ви приймаєте</translation>
    </message>
    <message>
        <source>and</source>
        <translation>і</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ліцензійну угоду %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ліцензійну угоду Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>з кінцевим користувачем</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Інсталювати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>УВАГА: QUOBEX ЩЕ НЕ ІНСТАЛЬОВАНО</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Інсталяція ще триває. Якщо скасувати її зараз, Quobex не буде інстальовано повністю.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Натисніть синю кнопку «Продовжити», щоб завершити інсталяцію.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Натисніть «Скасувати» нижче, якщо ви передумали інсталювати Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Ви вирішили видалити %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Якщо ви раптом не знали:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>За останні 24 години наших користувачів (так, і вас теж!) було захищено від відвідування будь-якої із заражених адрес у нашій базі (усього їх %1%).</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Можливо, це вас переконає:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>У середньому за п’ять днів кількість нових адрес у нашій базі зростає більш ніж на %1%, а знову безпечними зазвичай стають менше ніж %2%.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Скасувати видалення й зробити %1% пошуковою системою за замовчуванням!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Рішення не змінилося. Видалити %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Щодня кількість адрес у нашій базі зростає в середньому на %1%, а знову безпечними стають лише %2%.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Ми поважаємо ваш наявний захист або сміливість ризикнути й випадково відвідати одну з небезпечних адрес в Інтернеті (а їх %1%).</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Дякуємо, що спробували %1%. Сподіваємося, ви погодитеся, що для повністю безкоштовного продукту ми попрацювали непогано.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Продукт конкурентів коштував би вам приблизно 10 USD на рік.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Мабуть, безкоштовний захист — не так уже й погано. Скасувати видалення й зробити %1% пошуковою системою за замовчуванням!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>МЕНІ НЕ ПОТРІБЕН ЗАХИСТ, НАВІТЬ БЕЗКОШТОВНИЙ!!! Та видаліть уже нарешті %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Виявлено інстальовану програму %1%. Щоб інсталювати %2%, спершу видаліть %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Інсталятор %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Не вдалося запустити %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Схоже, Quobex зараз запущено. Закрийте Quobex та інші запущені програми, а потім натисніть «Повторити», щоб продовжити інсталяцію.</translation>
    </message>
</context>
</TS>
