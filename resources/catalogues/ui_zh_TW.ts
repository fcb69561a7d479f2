<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="zh_TW" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>完整支援 QBX 與 ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>安全的 256 位元 AES 加密</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>與 Windows 10 相容</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% 永久免費</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>值得信賴的搜尋結果</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>適用於 Windows 瀏覽器</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>按一下「安裝」即表示您同意</translation>
    </message>
    <message>
        <source>and</source>
        <translation>及</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 使用者授權</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>合約</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 使用者授權合約</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>為什麼推薦安裝它？</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>【推薦】同時安裝 Quobex 與 Varnhelm Sentovar。</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>【不需要搜尋保護】僅安裝 Quobex！</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>請先在上方選擇一種安裝方式</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>正在安裝您的軟體，請稍候</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下載</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安裝</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>安裝已完成</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>您現在已受到 %1% %2% 的保護</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>您必須重新啟動電腦，新版本才會完全生效</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>立即重新啟動</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>稍後重新啟動</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>下載失敗！</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>重試</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% 軟體可協助保護您免受間諜軟體、詐騙者和垃圾郵件的侵害</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>按一下「解除安裝」即可開始解除安裝 %1%。</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>按一下「取消」即可取消解除安裝</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>解除安裝</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>我們已從您的電腦移除 %1%。</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>請按一下「完成」，然後填寫解除安裝問卷，協助我們了解您解除安裝的原因。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>注意：Quobex 尚未安裝</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>確定要「取消」安裝嗎？</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>若要進行選擇並完成 Quobex 的安裝，請按一下「安裝」或關閉此視窗。</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>再按一下下方的「取消」即可結束，不安裝 Quobex。</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>按一下「安裝」即表示您同意</translation>
    </message>
    <message>
        <source>and</source>
        <translation>及</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 使用者授權合約</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 使用者授權</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>合約</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安裝</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>注意：Quobex 尚未安裝</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>安裝仍在進行中。如果現在取消安裝，Quobex 將無法完整安裝。</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>按一下藍色的「繼續」按鈕以完成安裝。</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>如果您改變心意，不想再安裝 Quobex，請按一下下方的「取消」。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>您已選擇解除安裝 %1%。</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>也許您還不知道：</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>過去 24 小時內，我們的一般使用者（沒錯，也包括您！）都受到保護，免於造訪我們資料庫中列出的 %1% 個受感染網址。</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>也許這能讓您改變心意：</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>我們平均每五天新增超過 %1% 個網址，而通常只有不到 %2% 個會恢復安全。</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>中止解除安裝，並將 %1% 設為我的預設搜尋提供者！</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>我沒有改變心意。解除安裝 %1%！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>平均每天有 %1% 個網址加入我們的資料庫，而只有 %2% 個會恢復安全。</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>我們尊重您現有的防護措施，也尊重您甘冒風險、可能誤訪網際網路上 %1% 個危險網址之一的勇氣。</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>感謝您試用 %1%。希望您至少同意：以一款完全免費的產品而言，我們做得相當不錯。</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>如果使用競爭對手的產品，您每年大約需要支付 10 USD。</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>我改變心意了，有免費的保護其實也不錯。中止解除安裝，並將 %1% 設為我的預設搜尋提供者！</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>就算免費我也不要保護！！！現在請趕快把 %1% 解除安裝完！</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>我們偵測到您已安裝 %1%，必須先解除安裝 %3%，才能繼續安裝 %2%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% 安裝程式</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>啟動 %1% 失敗</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex 目前似乎正在執行。請關閉 Quobex 及其他可能正在執行的程式，然後按一下「重試」以繼續安裝。</translation>
    </message>
</context>
</TS>
