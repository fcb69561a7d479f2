<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="uz_UZ" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX va ZIP toʻliq qoʻllanadi</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Ishonchli AES-256 shifrlash</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10 uchun tayyor</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Doimo 100% bepul</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Ishonchli qidiruv natijalari</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows brauzerlari uchun</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Oʻrnatish» tugmasini bosib, siz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>va</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex yakuniy foydalanuvchi litsenziya</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>shartnomasini</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% litsenziya shartnomasini qabul qilasiz</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Nega buni tavsiya qilamiz?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>TAVSIYA ETILADI: Quobex va Varnhelm Sentovar ikkalasini oʻrnatish.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>MENGA QIDIRUV HIMOYASI KERAK EMAS. Faqat Quobex oʻrnatilsin!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Oʻrnatish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Avval yuqorida oʻrnatish variantini tanlang</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ogohlantirish</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Kuting, dasturlar oʻrnatilmoqda</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Yuklab olinmoqda</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Oʻrnatilmoqda</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Oʻrnatish yakunlandi</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Endi sizni %1% %2% himoya qiladi</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Yangi versiya toʻliq ishlashi uchun kompyuterni qayta ishga tushiring</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Hozir qayta ishga tushirish</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Keyinroq qayta ishga tushirish</translation>
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
        <translation>Yuklab olib boʻlmadi!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Qayta urinish</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% sizni josuslik dasturlari, firibgarlar va spamdan himoyalashga yordam beradi</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>%1% dasturini oʻchirishni boshlash uchun «Oʻchirish» tugmasini bosing.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Oʻchirishni bekor qilish uchun «Bekor qilish» tugmasini bosing</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Oʻchirish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% kompyuteringizdan oʻchirildi.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>«Tayyor» tugmasini bosing, soʻng nega oʻchirganingizni bilishimiz uchun soʻrovnomani toʻldiring.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Tayyor</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DIQQAT: QUOBEX HALI OʻRNATILMAGAN</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Haqiqatan ham «Bekor qilish» tugmasini bosib, oʻrnatishni toʻxtatmoqchimisiz?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Tanlov qilib, Quobex oʻrnatishni yakunlash uchun «Oʻrnatish» tugmasini bosing yoki bu oynani yoping.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex oʻrnatmasdan chiqish uchun quyidagi «Bekor qilish» tugmasini yana bosing.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Oʻrnatish» tugmasini bosib, siz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>va</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% litsenziya shartnomasini qabul qilasiz</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex yakuniy foydalanuvchi litsenziya</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>shartnomasini</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Oʻrnatish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DIQQAT: QUOBEX HALI OʻRNATILMAGAN</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Oʻrnatish hali davom etmoqda. Hozir bekor qilsangiz, Quobex toʻliq oʻrnatilmaydi.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Oʻrnatishni yakunlash uchun koʻk «Davom etish» tugmasini bosing.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fikringiz oʻzgargan boʻlsa va Quobex oʻrnatishni istamasangiz, quyidagi «Bekor qilish» tugmasini bosing.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Davom etish</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Siz %1% dasturini oʻchirishni tanladingiz.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Agar bilmagan boʻlsangiz:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Soʻnggi 24 soat ichida foydalanuvchilarimiz (ha, siz ham!) bazamizdagi %1% ta zararlangan manzilning birortasiga kirishdan himoyalandi.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Balki bu fikringizni oʻzgartirar:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Biz har besh kunda oʻrtacha %1% tadan ortiq yangi manzil qoʻshamiz, odatda ulardan %2% tadan kamrogʻi yana xavfsiz boʻladi.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Oʻchirishni bekor qilish va %1% dasturini standart qidiruv tizimi qilish!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Fikrim oʻzgarmadi. %1% dasturini oʻchirish!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Bekor qilish</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Har kuni bazamizga oʻrtacha %1% ta manzil qoʻshiladi va faqat %2% tasi yana xavfsiz boʻladi.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Biz sizdagi mavjud himoyani yoki internetdagi %1% ta xavfli veb-manzildan biriga tasodifan kirib qolish xavfiga boradigan jasoratingizni hurmat qilamiz.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>%1% dasturini sinab koʻrganingiz uchun rahmat. Umid qilamizki, butunlay bepul mahsulot uchun ancha yaxshi ish qilganimizga rozi boʻlasiz.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Raqobatchi mahsulotidan foydalansangiz, yiliga taxminan 10 USD toʻlashingiz kerak boʻlardi.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Fikrimni oʻzgartirdim, bepul himoya unchalik ham yomon emas ekan. Oʻchirishni bekor qilish va %1% dasturini standart qidiruv tizimi qilish!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>BEPUL BOʻLSA HAM MENGA HIMOYA KERAK EMAS!!! Endi %1% dasturini oʻchirib boʻling!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Kompyuteringizda %1% allaqachon oʻrnatilgan. %3% dasturi oʻchirilmaguncha %2% dasturini oʻrnatib boʻlmaydi.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% oʻrnatish dasturi</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Ishga tushirib boʻlmadi: %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex hozir ishlayotganga oʻxshaydi. Quobex va ishlayotgan boshqa dasturlarni yoping, soʻng oʻrnatishni davom ettirish uchun «Qayta urinish» tugmasini bosing.</translation>
    </message>
</context>
</TS>
