<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="fa_IR" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>پشتیبانی کامل از QBX و ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>رمزگذاری امن ۲۵۶ بیتی AES</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>آماده برای Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>۱۰۰٪ رایگان برای همیشه</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>نتایج جستجوی قابل اعتماد</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>برای مرورگرهای Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>با کلیک روی «نصب»، این موارد را می‌پذیرید:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>و</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>توافق‌نامه مجوز Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>ویژه کاربر نهایی</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>توافق‌نامه مجوز %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>چرا آن را توصیه می‌کنیم؟</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>توصیه‌شده: نصب هر دو برنامه Quobex و Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>محافظت از جستجو را نمی‌خواهم. فقط Quobex نصب شود!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>نصب</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>لطفاً ابتدا یکی از گزینه‌های نصب بالا را انتخاب کنید</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>هشدار</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>لطفاً تا پایان نصب نرم‌افزار صبر کنید</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>در حال بارگیری</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>در حال نصب</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>نصب کامل شد</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>اکنون %1% %2% از شما محافظت می‌کند</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>برای فعال شدن کامل نسخه جدید، باید رایانه را راه‌اندازی مجدد کنید</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>اکنون راه‌اندازی مجدد شود</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>بعداً راه‌اندازی مجدد شود</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>بارگیری ناموفق بود!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>دوباره امتحان کنید!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>نرم‌افزار %1% به محافظت از شما در برابر جاسوس‌افزارها، کلاهبرداران و هرزنامه‌ها کمک می‌کند</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>برای شروع حذف نصب %1%، روی «حذف نصب» کلیک کنید.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>برای لغو حذف نصب، روی «لغو» کلیک کنید</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>حذف نصب</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>ما %1% را از رایانه شما حذف کردیم.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>لطفاً روی «پایان» کلیک کنید و سپس نظرسنجی حذف نصب را تکمیل کنید تا بدانیم چرا آن را حذف کردید.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>پایان</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>توجه: Quobex هنوز نصب نشده است</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>آیا مطمئن هستید که می‌خواهید با «لغو» نصب را متوقف کنید؟</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>برای تکمیل نصب Quobex و انتخاب گزینه دلخواه، روی «نصب» کلیک کنید یا این پنجره را ببندید.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>برای خروج بدون نصب Quobex، دوباره روی «لغو» در پایین کلیک کنید.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>با کلیک روی «نصب»، این موارد را می‌پذیرید:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>و</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>توافق‌نامه مجوز %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>توافق‌نامه مجوز Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>ویژه کاربر نهایی</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>نصب</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>توجه: Quobex هنوز نصب نشده است</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>نصب هنوز در حال انجام است. اگر اکنون نصب را لغو کنید، Quobex به طور کامل نصب نخواهد شد.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>برای تکمیل نصب، روی دکمه آبی «ادامه» کلیک کنید.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>اگر نظرتان عوض شده و دیگر نمی‌خواهید Quobex را نصب کنید، روی «لغو» در پایین کلیک کنید.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>شما حذف نصب %1% را انتخاب کرده‌اید.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>اگر نمی‌دانستید:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>در ۲۴ ساعت گذشته، کاربران عادی ما (بله، شما هم!) از بازدید هر یک از %1% نشانی آلوده ثبت‌شده در پایگاه داده ما در امان بوده‌اند.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>شاید این نظرتان را عوض کند:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>ما به طور میانگین هر پنج روز بیش از %1% نشانی جدید اضافه می‌کنیم و معمولاً کمتر از %2% نشانی دوباره امن می‌شود.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>لغو حذف نصب و تنظیم %1% به عنوان ارائه‌دهنده جستجوی پیش‌فرض من!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>نظرم عوض نشده است. %1% حذف نصب شود!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>به طور میانگین هر روز %1% نشانی به پایگاه داده ما اضافه می‌شود و فقط %2% نشانی دوباره امن می‌شود.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>ما به محافظتی که از قبل دارید یا به شجاعت شما در پذیرفتن خطر بازدید تصادفی از یکی از %1% نشانی خطرناک وب در اینترنت احترام می‌گذاریم.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>از اینکه %1% را امتحان کردید سپاسگزاریم. امیدواریم دست‌کم قبول کنید که برای محصولی کاملاً رایگان، کار خیلی خوبی انجام دادیم.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>اگر از محصول یک رقیب استفاده می‌کردید، باید سالانه حدود ۱۰ USD می‌پرداختید.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>نظرم عوض شد؛ محافظت رایگان آن‌قدرها هم بد نیست. لغو حذف نصب و تنظیم %1% به عنوان ارائه‌دهنده جستجوی پیش‌فرض من!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>محافظت نمی‌خواهم، حتی اگر رایگان باشد!!! حالا لطفاً حذف نصب %1% را تمام کنید!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>تشخیص دادیم که %1% از قبل روی رایانه شما نصب است. تا %3% را حذف نصب نکنید، نمی‌توانید %2% را نصب کنید</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>برنامه نصب %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>اجرای %1% ناموفق بود</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>به نظر می‌رسد Quobex در حال اجرا است. لطفاً Quobex و سایر برنامه‌های در حال اجرا را ببندید، سپس برای ادامه نصب روی «امتحان مجدد» کلیک کنید.</translation>
    </message>
</context>
</TS>
