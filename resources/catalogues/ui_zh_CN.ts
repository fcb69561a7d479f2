<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="zh_CN" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>完整支持 QBX 和 ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>安全的 256 位 AES 加密</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>兼容 Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% 永久免费</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>可信的搜索结果</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>适用于 Windows 浏览器</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>单击“安装”即表示你同意</translation>
    </message>
    <message>
        <source>and</source>
        <translation>和</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 最终用户许可</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 最终用户许可协议</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>为什么推荐安装它？</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>【推荐】同时安装 Quobex 和 Varnhelm Sentovar。</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>【不需要搜索保护】仅安装 Quobex！</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>请先在上方选择一种安装方式</translation>
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
        <translation>正在安装你的软件，请稍候</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>正在下载</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>正在安装</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>安装已完成</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>你现在已受到 %1% %2% 的保护</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>你需要重新启动电脑，新版本才能完全生效</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>立即重新启动</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>稍后重新启动</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>下载失败！</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>重试</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% 软件可帮助你防范间谍软件、诈骗者和垃圾邮件</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>单击“卸载”即可开始卸载 %1%。</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>单击“取消”可取消卸载</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
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
        <translation>已从你的电脑中删除 %1%。</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>请单击“完成”，然后填写卸载调查问卷，帮助我们了解你卸载的原因。</translation>
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
        <translation>注意：Quobex 尚未安装</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>确定要“取消”安装吗？</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>如果要做出选择并完成 Quobex 的安装，请单击“安装”或关闭此窗口。</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>再次单击下方的“取消”即可退出，不安装 Quobex。</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>单击“安装”即表示你同意</translation>
    </message>
    <message>
        <source>and</source>
        <translation>和</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 最终用户许可协议</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 最终用户许可</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
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
        <translation>注意：Quobex 尚未安装</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>安装仍在进行中。如果现在取消安装，Quobex 将无法完整安装。</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>单击蓝色的“继续”按钮完成安装。</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>如果你改变了主意，不想再安装 Quobex，请单击下方的“取消”。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
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
        <translation>你已选择卸载 %1%。</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>也许你还不知道：</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>过去 24 小时内，我们的普通用户（没错，也包括你！）都受到保护，免于访问我们数据库中列出的 %1% 个受感染网址。</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>也许这能让你改变主意：</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>我们平均每五天新增超过 %1% 个网址，而通常只有不到 %2% 个会恢复安全。</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>中止卸载，并将 %1% 设为我的默认搜索提供程序！</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>我没有改变主意。卸载 %1%！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>平均每天有 %1% 个网址被添加到我们的数据库中，而只有 %2% 个会恢复安全。</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>我们尊重你现有的防护措施，也尊重你甘冒风险、可能误访互联网上 %1% 个危险网址之一的勇气。</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>感谢你试用 %1%。希望你至少会认同：作为一款完全免费的产品，我们做得相当不错。</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>如果使用竞争对手的产品，你每年大约需要支付 10 USD。</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>我改变主意了，有免费的保护其实也不错。中止卸载，并将 %1% 设为我的默认搜索提供程序！</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>就算免费我也不要保护！！！现在请赶快把 %1% 卸载完！</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>我们检测到你已安装 %1%，必须先卸载 %3%，才能继续安装 %2%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% 安装程序</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>启动 %1% 失败</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex 似乎正在运行。请关闭 Quobex 和其他可能正在运行的程序，然后单击“重试”继续安装。</translation>
    </message>
</context>
</TS>
