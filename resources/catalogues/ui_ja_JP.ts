<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ja_JP" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX と ZIP に完全対応</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>安全な 256 ビット AES 暗号化</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Windows 10 対応</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>ずっと 100% 無料</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>信頼できる検索結果</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows のブラウザーに対応</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>「インストール」をクリックすると、</translation>
    </message>
    <message>
        <source>and</source>
        <translation>および</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 使用許諾</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>契約</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 使用許諾契約に同意したことになります。</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>おすすめする理由は？</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>【推奨】Quobex と Varnhelm Sentovar の両方をインストールする</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>【検索保護は不要】Quobex のみをインストールする！</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>まず上でインストール方法を選択してください</translation>
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
        <translation>ソフトウェアをインストールしています。しばらくお待ちください</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>インストール中</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>インストールが完了しました</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>%1% %2% による保護が有効になりました</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>新しいバージョンを完全に有効にするには、PC を再起動する必要があります</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>今すぐ再起動</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>後で再起動</translation>
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
        <translation>ダウンロードに失敗しました！</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>再試行</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% ソフトウェアは、スパイウェア、詐欺、スパムからの保護に役立ちます</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>「アンインストール」をクリックすると、%1% のアンインストールを開始します。</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>アンインストールを中止するには、「キャンセル」をクリックしてください</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>%1% をコンピューターから削除しました。</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>「完了」をクリックし、アンインストールの理由をお聞きするアンケートにご協力ください。</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>注意：Quobex はまだインストールされていません</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>インストールを「キャンセル」してもよろしいですか？</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>選択を行って Quobex のインストールを完了するには、「インストール」をクリックするか、このウィンドウを閉じてください。</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex をインストールせずに終了するには、下の「キャンセル」をもう一度クリックしてください。</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>「インストール」をクリックすると、</translation>
    </message>
    <message>
        <source>and</source>
        <translation>および</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1% 使用許諾契約に同意したことになります。</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex 使用許諾</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>契約</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>注意：Quobex はまだインストールされていません</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>インストールはまだ進行中です。ここでキャンセルすると、Quobex のインストールは完了しません。</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>青い「続行」ボタンをクリックして、インストールを完了してください。</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>気が変わって Quobex をインストールしない場合は、下の「キャンセル」をクリックしてください。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>%1% のアンインストールが選択されました。</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>ご存じないかもしれませんが：</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>過去 24 時間、当社のユーザーの皆様（そう、あなたもです！）は、当社のデータベースに登録された %1% 件の感染アドレスへのアクセスから守られていました。</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>これで気が変わるかもしれません：</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>当社は 5 日ごとに平均 %1% 件を超える新しいアドレスを追加していますが、再び安全になるのは通常 %2% 件未満です。</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>アンインストールを中止し、%1% を既定の検索プロバイダーにする！</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>気は変わりません。%1% をアンインストールする！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>当社のデータベースには毎日平均 %1% 件のアドレスが追加され、再び安全になるのはわずか %2% 件です。</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>すでにお使いの保護対策を、あるいはインターネット上にある %1% 件の危険な Web アドレスのどれかにうっかりアクセスするリスクを恐れない勇気を、私たちは尊重します。</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>%1% をお試しいただきありがとうございました。完全無料の製品としてはかなり頑張ったと、少なくとも認めていただければ幸いです。</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>競合他社の製品をお使いの場合は、年間約 10 USD を支払う必要があります。</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>気が変わりました。無料の保護も結局悪くないですね。アンインストールを中止し、%1% を既定の検索プロバイダーにする！</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>無料でも保護なんていらない！！！早く %1% のアンインストールを完了して！</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>%1% が既にインストールされていることが検出されました。%3% をアンインストールするまで、%2% のインストールを続行できません</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1% インストーラー</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>%1% の起動に失敗しました</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex が実行中のようです。Quobex と、実行中の可能性があるその他のプログラムを閉じてから、「再試行」をクリックしてインストールを続行してください。</translation>
    </message>
</context>
</TS>
