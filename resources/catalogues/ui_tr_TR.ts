<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="tr_TR" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Tam QBX ve ZIP desteği</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Güvenli 256 bit AES şifreleme</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10 ile uyumlu</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Sonsuza dek %100 ücretsiz</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Güvenilir arama sonuçları</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows tarayıcıları için</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Yükle'ye tıklayarak şunları kabul edersiniz:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ve</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex Son Kullanıcı Lisans</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Sözleşmesi</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% Son Kullanıcı Lisansı</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Neden öneriyoruz?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ÖNERİLEN: Hem Quobex hem de Varnhelm Sentovar yüklensin.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>ARAMA KORUMASI İSTEMİYORUM. Yalnızca Quobex yüklensin!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Lütfen önce yukarıdan bir yükleme seçeneği belirleyin</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Yazılımınız yüklenirken lütfen bekleyin</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Yükleniyor</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Yükleme tamamlandı</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Artık %1% %2% tarafından korunuyorsunuz</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Yeni sürümün tamamen etkin olması için PC'nizi yeniden başlatmanız gerekiyor</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Sonra yeniden başlat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>İndirme başarısız oldu!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Yeniden dene!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% yazılımı sizi casus yazılımlara, dolandırıcılara ve spama karşı korur</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>%1% ürününü kaldırmak için “Kaldır” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kaldırmayı iptal etmek için “İptal” düğmesine tıklayın</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% bilgisayarınızdan kaldırıldı.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Lütfen “Son” düğmesine tıklayın, ardından neden kaldırdığınızı anlamamıza yardımcı olmak için kaldırma anketimizi doldurun.</translation>
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
        <translation>DİKKAT: QUOBEX HENÜZ YÜKLENMEDİ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Yüklemeyi “İptal” etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Seçiminizi yapıp Quobex yüklemesini tamamlamak istiyorsanız “Yükle” düğmesine tıklayın veya bu pencereyi kapatın.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex'i yüklemeden çıkmak için aşağıdaki “İptal” düğmesine tekrar tıklayın.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Yükle'ye tıklayarak şunları kabul edersiniz:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ve</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% Son Kullanıcı Lisansı</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex Son Kullanıcı Lisans</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Sözleşmesi</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>DİKKAT: QUOBEX HENÜZ YÜKLENMEDİ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Yükleme hâlâ devam ediyor. Yüklemeyi şu anda iptal ederseniz Quobex tam olarak yüklenmemiş olur.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Yüklemeyi tamamlamak için mavi “Devam” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fikrinizi değiştirdiyseniz ve artık Quobex'i yüklemek istemiyorsanız aşağıdaki “İptal” düğmesine tıklayın.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>%1% ürününü kaldırmayı seçtiniz.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Belki bilmiyorsunuzdur:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Son 24 saatte kullanıcılarımız (evet, siz de!) veritabanımızda listelenen %1% virüslü adresten herhangi birini ziyaret etmeye karşı korundu.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Belki bu fikrinizi değiştirir:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Her beş günde bir ortalama %1% adedin üzerinde yeni adres ekliyoruz ve bunların genellikle %2% adetten azı yeniden güvenli hâle geliyor.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Kaldırmayı durdur, %1% varsayılan arama sağlayıcım olsun!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Fikrimi değiştirmedim. %1% kaldırılsın!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Veritabanımıza her gün ortalama %1% adres ekleniyor ve bunların yalnızca %2% adedi yeniden güvenli hâle geliyor.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Mevcut korumanıza ya da internetteki %1% tehlikeli web adresinden birini yanlışlıkla ziyaret etme riskini göze alan cesaretinize saygı duyuyoruz.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>%1% ürününü denediğiniz için teşekkür ederiz. Umarız en azından tamamen ücretsiz bir ürün için oldukça iyi bir iş çıkardığımızı kabul edersiniz.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Rakip bir ürün kullanıyor olsaydınız yılda yaklaşık 10 USD ödemeniz gerekirdi.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Fikrimi değiştirdim, ücretsiz koruma o kadar da kötü değilmiş. Kaldırmayı durdur, %1% varsayılan arama sağlayıcım olsun!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ÜCRETSİZ OLSA BİLE KORUMA İSTEMİYORUM!!! Şimdi lütfen %1% kaldırma işlemini bitirin!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% ürününün zaten yüklü olduğunu algıladık. %3% kaldırılmadan %2% yüklemesine devam edemezsiniz</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% Yükleyicisi</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>%1% başlatılamadı</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex şu anda çalışıyor gibi görünüyor. Lütfen Quobex'i ve çalışıyor olabilecek diğer programları kapatın, ardından yüklemeye devam etmek için “Yeniden Dene” düğmesine tıklayın.</translation>
    </message>
</context>
</TS>
