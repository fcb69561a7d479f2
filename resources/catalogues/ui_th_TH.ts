<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="th_TH" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>รองรับ QBX และ ZIP เต็มรูปแบบ</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>เข้ารหัส AES 256 บิตที่ปลอดภัย</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>พร้อมสำหรับ Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>ฟรี 100% ตลอดไป</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>ผลการค้นหาที่เชื่อถือได้</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>สำหรับเบราว์เซอร์บน Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>การคลิก “ติดตั้ง” ถือว่าคุณยอมรับ</translation>
    </message>
    <message>
        <source>and</source>
        <translation>และ</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>สำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน %1% สำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>ทำไมเราจึงแนะนำ?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>แนะนำ: ติดตั้งทั้ง Quobex และ Varnhelm Sentovar</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>ฉันไม่ต้องการการป้องกันการค้นหา ติดตั้งเฉพาะ Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>โปรดเลือกรูปแบบการติดตั้งด้านบนก่อน</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>คำเตือน</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>โปรดรอสักครู่ขณะที่เราติดตั้งซอฟต์แวร์ของคุณ</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>กำลังดาวน์โหลด</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>กำลังติดตั้ง</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>การติดตั้งเสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>ขณะนี้คุณได้รับการปกป้องโดย %1% %2% แล้ว</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>คุณต้องรีสตาร์ทพีซีเพื่อให้เวอร์ชันใหม่ทำงานได้อย่างสมบูรณ์</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>รีสตาร์ทตอนนี้</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>รีสตาร์ทภายหลัง</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>การดาวน์โหลดล้มเหลว!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>ซอฟต์แวร์ %1% ช่วยปกป้องคุณจากสปายแวร์ มิจฉาชีพ และสแปม</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>คลิก “ถอนการติดตั้ง” เพื่อเริ่มถอนการติดตั้ง %1%</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>คลิก “ยกเลิก” เพื่อยกเลิกการถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>ถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>เราได้ลบ %1% ออกจากคอมพิวเตอร์ของคุณแล้ว</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>โปรดคลิก “เสร็จสิ้น” แล้วตอบแบบสำรวจการถอนการติดตั้ง เพื่อช่วยให้เราเข้าใจว่าทำไมคุณจึงถอนการติดตั้ง</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>เสร็จสิ้น</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>โปรดทราบ: ยังไม่ได้ติดตั้ง Quobex</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>คุณแน่ใจหรือไม่ว่าต้องการ “ยกเลิก” การติดตั้ง?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>หากต้องการเลือกตัวเลือกและติดตั้ง Quobex ให้เสร็จ ให้คลิก “ติดตั้ง” หรือปิดหน้าต่างนี้</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>คลิก “ยกเลิก” ด้านล่างอีกครั้งเพื่อออกโดยไม่ติดตั้ง Quobex</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>การคลิก “ติดตั้ง” ถือว่าคุณยอมรับ</translation>
    </message>
    <message>
        <source>and</source>
        <translation>และ</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน %1% สำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>ข้อตกลงสิทธิ์การใช้งาน Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>สำหรับผู้ใช้</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>ติดตั้ง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>โปรดทราบ: ยังไม่ได้ติดตั้ง Quobex</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>การติดตั้งยังดำเนินอยู่ หากคุณยกเลิกการติดตั้งตอนนี้ Quobex จะติดตั้งไม่สมบูรณ์</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>คลิกปุ่ม “ดำเนินการต่อ” สีน้ำเงินเพื่อติดตั้งให้เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>คลิก “ยกเลิก” ด้านล่าง หากคุณเปลี่ยนใจและไม่ต้องการติดตั้ง Quobex แล้ว</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>คุณได้เลือกที่จะถอนการติดตั้ง %1%</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>เผื่อคุณยังไม่รู้:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>ตลอด 24 ชั่วโมงที่ผ่านมา ผู้ใช้ทั่วไปของเรา (ใช่ รวมถึงคุณด้วย!) ได้รับการปกป้องไม่ให้เข้าชมที่อยู่ที่ติดมัลแวร์ใดๆ จาก %1% รายการในฐานข้อมูลของเรา</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>สิ่งนี้อาจทำให้คุณเปลี่ยนใจ:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>โดยเฉลี่ยเราเพิ่มที่อยู่ใหม่มากกว่า %1% รายการทุกห้าวัน และโดยทั่วไปมีไม่ถึง %2% รายการที่กลับมาปลอดภัย</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>ยกเลิกการถอนการติดตั้ง และตั้ง %1% เป็นผู้ให้บริการการค้นหาเริ่มต้นของฉัน!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>ฉันไม่เปลี่ยนใจ ถอนการติดตั้ง %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>โดยเฉลี่ยแล้วในแต่ละวันมีที่อยู่ %1% รายการถูกเพิ่มลงในฐานข้อมูลของเรา และมีเพียง %2% รายการที่กลับมาปลอดภัย</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>เราเคารพการป้องกันที่คุณมีอยู่แล้ว หรือความกล้าของคุณที่จะเสี่ยงเผลอเข้าชมที่อยู่เว็บอันตรายหนึ่งใน %1% รายการบนอินเทอร์เน็ต</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>ขอบคุณที่ทดลองใช้ %1% เราหวังว่าอย่างน้อยคุณจะเห็นด้วยว่าเราทำได้ดีทีเดียวสำหรับผลิตภัณฑ์ที่ฟรีโดยสิ้นเชิง</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>หากคุณใช้ผลิตภัณฑ์ของคู่แข่ง คุณจะต้องจ่ายประมาณ 10 USD ต่อปี</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>ฉันเปลี่ยนใจแล้ว มีการป้องกันฟรีก็ไม่ได้แย่อะไร ยกเลิกการถอนการติดตั้ง และตั้ง %1% เป็นผู้ให้บริการการค้นหาเริ่มต้นของฉัน!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ฉันไม่ต้องการการป้องกัน ต่อให้ฟรีก็ไม่เอา!!! ช่วยถอนการติดตั้ง %1% ให้เสร็จได้แล้ว!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>เราตรวจพบว่าคุณติดตั้ง %1% ไว้แล้ว คุณจะติดตั้ง %2% ต่อไม่ได้จนกว่าจะถอนการติดตั้ง %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>โปรแกรมติดตั้ง %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>เริ่ม %1% ไม่สำเร็จ</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>ดูเหมือนว่า Quobex กำลังทำงานอยู่ โปรดปิด Quobex และโปรแกรมอื่นๆ ที่อาจกำลังทำงานอยู่ แล้วคลิก “ลองใหม่” เพื่อดำเนินการติดตั้งต่อ</translation>
    </message>
</context>
</TS>
