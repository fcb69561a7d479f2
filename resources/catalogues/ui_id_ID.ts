<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="id_ID" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Dukungan penuh QBX dan ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Enkripsi AES 256-bit yang aman</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Siap untuk Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Gratis 100% selamanya</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Hasil pencarian tepercaya</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Untuk browser di Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Dengan mengklik “Instal”, Anda menyetujui</translation>
    </message>
    <message>
        <source>and</source>
        <translation>dan</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Perjanjian Lisensi Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>untuk Pengguna Akhir</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Lisensi Pengguna Akhir %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Mengapa kami menyarankannya?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>DISARANKAN: Instal Quobex dan Varnhelm Sentovar sekaligus.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>SAYA TIDAK INGIN PERLINDUNGAN PENCARIAN. Instal Quobex saja!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Pilih jenis instalasi di atas terlebih dahulu</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Peringatan</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Harap tunggu, kami sedang menginstal perangkat lunak Anda</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Menginstal</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalasi selesai</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Kini Anda dilindungi oleh %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Anda perlu memulai ulang PC agar versi baru aktif sepenuhnya</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Mulai ulang sekarang</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Mulai ulang nanti</translation>
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
        <translation>Unduhan gagal!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Coba lagi!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Perangkat lunak %1% membantu melindungi Anda dari spyware, penipu, dan spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Klik “Hapus instalan” untuk mulai menghapus instalan %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Klik “Batal” untuk membatalkan penghapusan instalan</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Hapus instalan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Kami telah menghapus %1% dari komputer Anda.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Klik “Selesai”, lalu isi survei penghapusan instalan kami agar kami dapat memahami alasan Anda menghapusnya.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>PERHATIAN: QUOBEX BELUM TERINSTAL</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Anda yakin ingin “Batal” menginstal?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Klik “Instal” atau tutup jendela ini jika Anda ingin menentukan pilihan dan menyelesaikan instalasi Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Klik “Batal” di bawah sekali lagi untuk keluar tanpa menginstal Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Dengan mengklik “Instal”, Anda menyetujui</translation>
    </message>
    <message>
        <source>and</source>
        <translation>dan</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Lisensi Pengguna Akhir %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Perjanjian Lisensi Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>untuk Pengguna Akhir</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>PERHATIAN: QUOBEX BELUM TERINSTAL</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalasi masih berlangsung. Jika Anda membatalkan instalasi sekarang, Quobex tidak akan terinstal sepenuhnya.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Klik tombol biru “Lanjutkan” untuk menyelesaikan instalasi.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Klik “Batal” di bawah jika Anda berubah pikiran dan tidak ingin lagi menginstal Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Anda memilih untuk menghapus instalan %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Barangkali Anda belum tahu:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Dalam 24 jam terakhir, pengguna rata-rata kami (ya, Anda juga!) telah terlindungi agar tidak mengunjungi satu pun dari %1% alamat terinfeksi yang tercatat di database kami.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Mungkin ini akan mengubah pikiran Anda:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Rata-rata kami menambahkan lebih dari %1% alamat baru setiap lima hari, dan biasanya kurang dari %2% yang kembali aman.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Batalkan penghapusan instalan dan jadikan %1% penyedia pencarian default saya!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Saya tidak berubah pikiran. Hapus instalan %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Rata-rata setiap hari %1% alamat ditambahkan ke database kami dan hanya %2% yang kembali aman.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Kami menghargai perlindungan yang sudah Anda miliki, atau keberanian Anda mengambil risiko tanpa sengaja mengunjungi salah satu dari %1% alamat web berbahaya di internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Terima kasih telah mencoba %1%. Kami harap setidaknya Anda setuju bahwa kami sudah bekerja cukup baik untuk produk yang sepenuhnya gratis.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Jika menggunakan produk pesaing, Anda perlu membayar sekitar 10 USD per tahun.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Saya berubah pikiran, punya perlindungan gratis ternyata tidak buruk juga. Batalkan penghapusan instalan dan jadikan %1% penyedia pencarian default saya!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>SAYA TIDAK MAU PERLINDUNGAN MESKIPUN GRATIS!!! Sekarang tolong selesaikan penghapusan instalan %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Kami mendeteksi bahwa %1% sudah terinstal. Anda tidak dapat melanjutkan instalasi %2% sebelum menghapus instalan %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Penginstal %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Gagal memulai %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Tampaknya Quobex sedang berjalan. Tutup Quobex dan program lain yang mungkin sedang berjalan, lalu klik “Coba lagi” untuk melanjutkan instalasi.</translation>
    </message>
</context>
</TS>
