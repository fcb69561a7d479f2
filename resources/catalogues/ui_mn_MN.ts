<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="mn_MN" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX, ZIP-ийн бүрэн дэмжлэг</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Найдвартай AES-256 шифрлэлт</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10 дээр ажиллана</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% үүрд үнэгүй</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Найдвартай хайлтын үр дүн</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows хөтчүүдэд зориулсан</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Суулгах» дээр дарснаар та</translation>
    </message>
    <message>
        <source>and</source>
        <translation>болон</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ийн эцсийн хэрэглэгчийн лицензийн</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>гэрээ</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% програмын лицензийн гэрээг зөвшөөрнө</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Яагаад үүнийг зөвлөж байна вэ?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ЗӨВЛӨЖ БАЙНА: Quobex болон Varnhelm Sentovar хоёрыг суулгах.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>НАДАД ХАЙЛТЫН ХАМГААЛАЛТ ХЭРЭГГҮЙ. Зөвхөн Quobex суулгах!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Суулгах</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Эхлээд дээрээс суулгах хувилбараа сонгоно уу</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Анхааруулга</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Програм хангамжийг суулгаж байна, түр хүлээнэ үү</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Татаж байна</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Суулгаж байна</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Суулгаж дууслаа</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Одоо таныг %1% %2% хамгаалж байна</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Шинэ хувилбар бүрэн ажиллахын тулд компьютерээ дахин эхлүүлнэ үү</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Одоо дахин эхлүүлэх</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Дараа дахин эхлүүлэх</translation>
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
        <translation>Татаж чадсангүй!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Дахин оролдох</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% програм таныг тагнуулын програм, луйварчин, спамаас хамгаалахад тусална</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>%1% програмыг устгаж эхлэхийн тулд «Устгах» дээр дарна уу.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Устгалтыг цуцлахын тулд «Цуцлах» дээр дарна уу</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Устгах</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Бид %1% програмыг таны компьютерээс устгалаа.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>«Дуусгах» дээр дараад, яагаад устгасныг тань ойлгоход туслах судалгаанд хариулна уу.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Дуусгах</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>АНХААР: QUOBEX ОДООГООР СУУГААГҮЙ БАЙНА</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Та «Цуцлах» дээр дарж суулгалтыг зогсоохдоо итгэлтэй байна уу?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Сонголтоо хийж Quobex програмыг суулгаж дуусгах бол «Суулгах» дээр дарах эсвэл энэ цонхыг хаана уу.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex програмыг суулгалгүй гарах бол доорх «Цуцлах» дээр дахин дарна уу.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>«Суулгах» дээр дарснаар та</translation>
    </message>
    <message>
        <source>and</source>
        <translation>болон</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% програмын лицензийн гэрээг зөвшөөрнө</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ийн эцсийн хэрэглэгчийн лицензийн</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>гэрээ</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Суулгах</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>АНХААР: QUOBEX ОДООГООР СУУГААГҮЙ БАЙНА</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Суулгалт үргэлжилж байна. Одоо цуцалбал Quobex бүрэн суухгүй.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Суулгалтыг дуусгахын тулд цэнхэр «Үргэлжлүүлэх» товчийг дарна уу.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Санаагаа өөрчилж, Quobex суулгахыг хүсэхгүй болсон бол доорх «Цуцлах» дээр дарна уу.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Үргэлжлүүлэх</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Та %1% програмыг устгахаар сонголоо.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Хэрэв та мэдээгүй бол:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Сүүлийн 24 цагт манай хэрэглэгчид (тийм, та ч гэсэн!) манай мэдээллийн санд бүртгэгдсэн %1% халдвартай хаягийн алинд нь ч орохоос хамгаалагдсан.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Магадгүй энэ таны бодлыг өөрчлөх байх:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Бид дунджаар таван өдөр тутам %1% гаруй шинэ хаяг нэмдэг бөгөөд дахин аюулгүй болох нь ихэвчлэн %2% хүрдэггүй.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Устгалтыг цуцалж, %1% програмыг үндсэн хайлтын үйлчилгээгээ болгох!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Би бодлоо өөрчлөөгүй. %1% програмыг устгах!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Цуцлах</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Манай мэдээллийн санд өдөр бүр дунджаар %1% хаяг нэмэгддэг бөгөөд зөвхөн %2% нь дахин аюулгүй болдог.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Бид таны одоо байгаа хамгаалалтыг, эсвэл интернэт дэх %1% аюултай вэб хаягийн аль нэгэнд санамсаргүй зочлох эрсдэлийг үл тоох зоригийг тань хүндэтгэнэ.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>%1% програмыг туршиж үзсэнд баярлалаа. Бүрэн үнэгүй бүтээгдэхүүний хувьд бид нэлээд сайн ажилласан гэдэгтэй та ядаж санал нийлнэ гэж найдаж байна.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Хэрэв та өрсөлдөгчийн бүтээгдэхүүн ашигладаг байсан бол жилд ойролцоогоор 10 USD төлөх байсан.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Би бодлоо өөрчиллөө, үнэгүй хамгаалалт тийм ч муу зүйл биш юм байна. Устгалтыг цуцалж, %1% програмыг үндсэн хайлтын үйлчилгээгээ болгох!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ҮНЭГҮЙ Ч ГЭСЭН НАДАД ХАМГААЛАЛТ ХЭРЭГГҮЙ!!! %1% програмыг устгаад дуусгаач!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Таны компьютерт %1% програм аль хэдийн суусан байна. %3% програмыг устгахаас нааш %2% програмыг суулгах боломжгүй.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% суулгагч</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Эхлүүлж чадсангүй: %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex одоо ажиллаж байгаа бололтой. Quobex болон ажиллаж буй бусад програмыг хаагаад, суулгалтыг үргэлжлүүлэхийн тулд «Дахин оролдох» дээр дарна уу.</translation>
    </message>
</context>
</TS>
