<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="vi_VN" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Hỗ trợ đầy đủ QBX và ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Mã hóa AES 256 bit an toàn</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Sẵn sàng cho Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Miễn phí 100% mãi mãi</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Kết quả tìm kiếm tin cậy</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Cho trình duyệt Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Khi bấm “Cài đặt”, bạn đồng ý với</translation>
    </message>
    <message>
        <source>and</source>
        <translation>và</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Thỏa thuận cấp phép Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>cho người dùng cuối</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Thỏa thuận cấp phép %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Tại sao chúng tôi khuyên dùng?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>KHUYÊN DÙNG: Cài đặt cả Quobex và Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>TÔI KHÔNG MUỐN BẢO VỆ TÌM KIẾM. Chỉ cài đặt Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Vui lòng chọn một kiểu cài đặt ở trên trước</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Cảnh báo</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Vui lòng đợi trong khi chúng tôi cài đặt phần mềm của bạn</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Đang tải xuống</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Đang cài đặt</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Cài đặt đã hoàn tất</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Giờ đây bạn đã được %1% %2% bảo vệ</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Bạn cần khởi động lại PC để phiên bản mới hoạt động đầy đủ</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Khởi động lại ngay</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Khởi động lại sau</translation>
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
        <translation>Tải xuống không thành công!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Thử lại!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Phần mềm %1% giúp bảo vệ bạn khỏi phần mềm gián điệp, kẻ lừa đảo và thư rác</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Bấm “Gỡ cài đặt” để bắt đầu gỡ cài đặt %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Bấm “Hủy” để hủy việc gỡ cài đặt</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Gỡ cài đặt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Chúng tôi đã gỡ bỏ %1% khỏi máy tính của bạn.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Vui lòng bấm “Hoàn tất”, sau đó trả lời khảo sát về việc gỡ cài đặt để giúp chúng tôi hiểu lý do bạn gỡ cài đặt.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Hoàn tất</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>CHÚ Ý: QUOBEX VẪN CHƯA ĐƯỢC CÀI ĐẶT</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Bạn có chắc chắn muốn “Hủy” cài đặt không?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Bấm “Cài đặt” hoặc đóng cửa sổ này nếu bạn muốn chọn và hoàn tất cài đặt Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Bấm “Hủy” bên dưới lần nữa để thoát mà không cài đặt Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Khi bấm “Cài đặt”, bạn đồng ý với</translation>
    </message>
    <message>
        <source>and</source>
        <translation>và</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Thỏa thuận cấp phép %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Thỏa thuận cấp phép Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>cho người dùng cuối</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>CHÚ Ý: QUOBEX VẪN CHƯA ĐƯỢC CÀI ĐẶT</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Quá trình cài đặt vẫn đang diễn ra. Nếu hủy cài đặt lúc này, Quobex sẽ không được cài đặt hoàn chỉnh.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Bấm nút “Tiếp tục” màu xanh lam để hoàn tất cài đặt.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Bấm “Hủy” bên dưới nếu bạn đã đổi ý và không muốn cài đặt Quobex nữa.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Bạn đã chọn gỡ cài đặt %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Có thể bạn chưa biết:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Trong 24 giờ qua, người dùng thông thường của chúng tôi (vâng, cả bạn nữa!) đã được bảo vệ khỏi việc truy cập %1% địa chỉ bị nhiễm mã độc trong cơ sở dữ liệu của chúng tôi.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Có lẽ điều này sẽ khiến bạn đổi ý:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Trung bình cứ năm ngày chúng tôi lại thêm hơn %1% địa chỉ mới, và thường chỉ chưa đến %2% địa chỉ trở lại an toàn.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Dừng gỡ cài đặt và đặt %1% làm nhà cung cấp tìm kiếm mặc định của tôi!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Tôi không đổi ý. Gỡ cài đặt %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Trung bình mỗi ngày có %1% địa chỉ được thêm vào cơ sở dữ liệu của chúng tôi và chỉ %2% địa chỉ trở lại an toàn.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Chúng tôi tôn trọng biện pháp bảo vệ bạn đang có, hoặc sự can đảm của bạn khi chấp nhận rủi ro vô tình truy cập một trong %1% địa chỉ web nguy hiểm trên Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Cảm ơn bạn đã dùng thử %1%. Chúng tôi hy vọng ít nhất bạn cũng đồng ý rằng chúng tôi đã làm khá tốt với một sản phẩm hoàn toàn miễn phí.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Nếu dùng sản phẩm của đối thủ cạnh tranh, bạn sẽ phải trả khoảng 10 USD mỗi năm.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Tôi đã đổi ý, dù sao có bảo vệ miễn phí cũng không tệ. Dừng gỡ cài đặt và đặt %1% làm nhà cung cấp tìm kiếm mặc định của tôi!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>TÔI KHÔNG MUỐN ĐƯỢC BẢO VỆ DÙ LÀ MIỄN PHÍ!!! Giờ thì làm ơn gỡ cài đặt %1% cho xong đi!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Chúng tôi phát hiện bạn đã cài đặt %1%. Bạn không thể tiếp tục cài đặt %2% cho đến khi gỡ cài đặt %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Trình cài đặt %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Khởi động %1% không thành công</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Có vẻ như Quobex đang chạy. Vui lòng đóng Quobex và các chương trình khác có thể đang chạy, sau đó bấm “Thử lại” để tiếp tục cài đặt.</translation>
    </message>
</context>
</TS>
