<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="az_AZ" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX və ZIP üçün tam dəstək</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Etibarlı AES-256 şifrələmə</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10 üçün hazırdır</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Həmişəlik 100% pulsuz</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Etibarlı axtarış nəticələri</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows brauzerləri üçün</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Quraşdır» düyməsini klikləməklə siz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>və</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex son istifadəçi lisenziya</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>müqaviləsini</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% lisenziya müqaviləsini qəbul edirsiniz</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Bunu niyə tövsiyə edirik?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>TÖVSİYƏ OLUNUR: Həm Quobex, həm də Varnhelm Sentovar quraşdırılsın.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>AXTARIŞ QORUMASI İSTƏMİRƏM. Yalnız Quobex quraşdırılsın!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Quraşdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ləğv et</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Əvvəlcə yuxarıda quraşdırma variantını seçin</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Xəbərdarlıq</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Gözləyin, proqram təminatı quraşdırılır</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Endirilir</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Quraşdırılır</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Quraşdırma tamamlandı</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>İndi siz %1% %2% ilə qorunursunuz</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Yeni versiyanın tam aktiv olması üçün kompüteri yenidən başladın</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>İndi yenidən başlat</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Sonra yenidən başlat</translation>
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
        <translation>Endirmə alınmadı!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Yenidən cəhd et</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% sizi casus proqramlardan, fırıldaqçılardan və spamdan qorumağa kömək edir</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>%1% proqramını silməyə başlamaq üçün «Sil» düyməsini klikləyin.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Silməni ləğv etmək üçün «Ləğv et» düyməsini klikləyin</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ləğv et</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% kompüterinizdən silindi.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>«Son» düyməsini klikləyin, sonra niyə sildiyinizi anlamağımız üçün sorğunu doldurun.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DİQQƏT: QUOBEX HƏLƏ QURAŞDIRILMAYIB</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>«Ləğv et» düyməsi ilə quraşdırmanı dayandırmaq istədiyinizə əminsiniz?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Seçim edib Quobex quraşdırmasını tamamlamaq üçün «Quraşdır» düyməsini klikləyin və ya bu pəncərəni bağlayın.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex quraşdırmadan çıxmaq üçün aşağıdakı «Ləğv et» düyməsini yenidən klikləyin.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Quraşdır» düyməsini klikləməklə siz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>və</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% lisenziya müqaviləsini qəbul edirsiniz</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex son istifadəçi lisenziya</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>müqaviləsini</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Quraşdır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ləğv et</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DİQQƏT: QUOBEX HƏLƏ QURAŞDIRILMAYIB</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Quraşdırma hələ davam edir. İndi ləğv etsəniz, Quobex tam quraşdırılmayacaq.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Quraşdırmanı tamamlamaq üçün mavi «Davam et» düyməsini klikləyin.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fikrinizi dəyişmisinizsə və Quobex quraşdırmaq istəmirsinizsə, aşağıdakı «Ləğv et» düyməsini klikləyin.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Davam et</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ləğv et</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Siz %1% proqramını silməyi seçdiniz.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Əgər bilmirdinizsə:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Son 24 saatda istifadəçilərimiz (bəli, siz də!) bazamızdakı %1% yoluxmuş ünvandan hər hansı birinə daxil olmaqdan qorunub.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Bəlkə bu, fikrinizi dəyişər:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Hər beş gündə orta hesabla %1% yeni ünvandan çox əlavə edirik, yenidən təhlükəsiz olanlar isə adətən %2% ünvandan az olur.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Silməni dayandır və %1% proqramını defolt axtarış provayderim et!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Fikrimi dəyişmədim. %1% proqramını sil!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ləğv et</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Hər gün bazamıza orta hesabla %1% ünvan əlavə olunur və yalnız %2% ünvan yenidən təhlükəsiz olur.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Mövcud qorumanıza və ya internetdəki %1% təhlükəli veb ünvandan birinə təsadüfən daxil olmaq riskini gözə alan cəsarətinizə hörmət edirik.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>%1% proqramını sınadığınız üçün təşəkkür edirik. Ümid edirik ki, tamamilə pulsuz məhsul üçün kifayət qədər yaxşı iş gördüyümüzlə razılaşarsınız.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Rəqibin məhsulundan istifadə etsəydiniz, ildə təxminən 10 USD ödəməli olardınız.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Fikrimi dəyişdim, pulsuz qoruma o qədər də pis deyilmiş. Silməni dayandır və %1% proqramını defolt axtarış provayderim et!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>PULSUZ OLSA BELƏ QORUMA İSTƏMİRƏM!!! Artıq %1% proqramını silib qurtar!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Kompüterinizdə artıq %1% quraşdırılıb. %3% proqramı silinməyincə %2% proqramını quraşdırmaq mümkün deyil.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% quraşdırıcısı</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>İşə salmaq alınmadı: %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Deyəsən, Quobex hazırda işləyir. Quobex və işləyən digər proqramları bağlayın, sonra quraşdırmanı davam etdirmək üçün «Yenidən cəhd et» düyməsini klikləyin.</translation>
    </message>
</context>
</TS>
