<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ar_SA" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>دعم كامل لـ QBX و ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>تشفير AES آمن بقوة 256 بت</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>جاهز لـ Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>مجاني 100% وإلى الأبد</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>نتائج بحث موثوقة</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>لمستعرضات Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>بالنقر فوق "تثبيت"، فإنك توافق على</translation>
    </message>
    <message>
        <source>and</source>
        <translation>وعلى</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>اتفاقية ترخيص Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>للمستخدم النهائي</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>اتفاقية ترخيص %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>لماذا نوصي به؟</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>موصى به: تثبيت كل من Quobex و Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>لا أريد حماية البحث. تثبيت Quobex فقط!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>يرجى أولاً اختيار أحد خيارات التثبيت أعلاه</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>يرجى الانتظار أثناء تثبيت البرامج</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>جارٍ التثبيت</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>اكتمل التثبيت</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>أنت الآن في حماية %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>يجب إعادة تشغيل الكمبيوتر لكي يعمل الإصدار الجديد بشكل كامل</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>إعادة التشغيل الآن</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>إعادة التشغيل لاحقًا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>فشل التنزيل!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>حاول مرة أخرى!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>يساعد برنامج %1% على حمايتك من برامج التجسس والمحتالين والبريد العشوائي</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>انقر فوق "إلغاء التثبيت" لبدء إلغاء تثبيت %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>انقر فوق "إلغاء الأمر" لإيقاف إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>إلغاء التثبيت</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>تمت إزالة %1% من الكمبيوتر.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>يرجى النقر فوق "إنهاء"، ثم إكمال استطلاع إلغاء التثبيت لمساعدتنا على فهم سبب إلغائك للتثبيت.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>إنهاء</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>تنبيه: لم يتم تثبيت Quobex بعد</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>هل تريد بالتأكيد النقر فوق "إلغاء الأمر" وإيقاف التثبيت؟</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>لإكمال تثبيت Quobex وتحديد اختيارك، انقر فوق "تثبيت" أو أغلق هذه النافذة.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>انقر فوق "إلغاء الأمر" أدناه مرة أخرى للخروج دون تثبيت Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>بالنقر فوق "تثبيت"، فإنك توافق على</translation>
    </message>
    <message>
        <source>and</source>
        <translation>وعلى</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>اتفاقية ترخيص %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>اتفاقية ترخيص Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>للمستخدم النهائي</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>تثبيت</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>تنبيه: لم يتم تثبيت Quobex بعد</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>لا يزال التثبيت قيد التقدم. إذا أوقفت التثبيت الآن، فلن يكتمل تثبيت Quobex.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>انقر فوق الزر الأزرق "متابعة" لإكمال التثبيت.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>انقر فوق "إلغاء الأمر" أدناه إذا غيّرت رأيك ولم تعد ترغب في تثبيت Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>لقد اخترت إلغاء تثبيت %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>للعلم فقط:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>خلال آخر 24 ساعة، حمينا مستخدمينا العاديين (نعم، وأنت أيضًا!) من زيارة أي من العناوين المصابة المدرجة في قاعدة بياناتنا، وعددها %1%.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>ربما يغيّر هذا رأيك:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>نضيف في المتوسط كل خمسة أيام عناوين جديدة يزيد عددها على %1%، ولا يعود منها آمنًا عادةً سوى أقل من %2%.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>التراجع عن إلغاء التثبيت وتعيين %1% كموفر البحث الافتراضي لدي!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>لم أغيّر رأيي. إلغاء تثبيت %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء الأمر</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>في المتوسط، نضيف إلى قاعدة بياناتنا يوميًا عناوين عددها %1%، ولا يعود منها آمنًا سوى %2%.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>نحترم الحماية المتوفرة لديك بالفعل، أو شجاعتك في المخاطرة بزيارة أحد عناوين الويب الخطرة على الإنترنت (وعددها %1%) عن طريق الخطأ.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>شكرًا لتجربتك %1%. نأمل أن توافقنا على الأقل على أننا قدمنا عملاً جيدًا جدًا في منتج مجاني تمامًا.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>لو كنت تستخدم منتجًا منافسًا، لكان عليك دفع نحو 10 USD سنويًا.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>لقد غيّرت رأيي، فالحماية المجانية ليست سيئة إلى هذا الحد في النهاية. التراجع عن إلغاء التثبيت وتعيين %1% كموفر البحث الافتراضي لدي!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>لا أريد الحماية حتى لو كانت مجانية!!! والآن أكمِل إلغاء تثبيت %1% من فضلك!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>اكتشفنا أن %1% مثبّت لديك بالفعل، ولا يمكنك متابعة تثبيت %2% حتى تقوم بإلغاء تثبيت %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>برنامج تثبيت %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>فشل بدء تشغيل %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>يبدو أن Quobex قيد التشغيل حاليًا. يرجى إغلاق Quobex وأي برامج أخرى قيد التشغيل، ثم النقر فوق "إعادة المحاولة" لمتابعة التثبيت.</translation>
    </message>
</context>
</TS>
