<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="hy_AM" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX-ի և ZIP-ի լիարժեք աջակցում</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>AES-256 գաղտնագրում</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Պատրաստ Windows 10-ի համար</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% անվճար՝ ընդմիշտ</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Վստահելի որոնման արդյունքներ</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows-ի դիտարկիչների համար</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Սեղմելով «Տեղադրել»՝ դուք ընդունում եք</translation>
    </message>
    <message>
        <source>and</source>
        <translation>և</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ի լիցենզային</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>համաձայնագիրը</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1%-ի լիցենզային համաձայնագիրը</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Ինչո՞ւ ենք խորհուրդ տալիս</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ԽՈՐՀՈՒՐԴ ԵՆՔ ՏԱԼԻՍ՝ տեղադրել և՛ Quobex-ը, և՛ Varnhelm Sentovar-ը։</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>ՈՐՈՆՄԱՆ ՊԱՇՏՊԱՆՈՒԹՅՈՒՆ ՉԵՄ ՈՒԶՈՒՄ։ Տեղադրել միայն Quobex-ը։</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Տեղադրել</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Խնդրում ենք նախ վերևում ընտրել տեղադրման տարբերակը</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Զգուշացում</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Խնդրում ենք սպասել, մինչ ծրագրաշարը տեղադրվում է</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Ներբեռնում</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Տեղադրում</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Տեղադրումն ավարտված է</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Այժմ ձեզ պաշտպանում է %1% %2%-ը</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Որպեսզի նոր տարբերակն ամբողջությամբ գործի, պետք է վերագործարկել համակարգիչը</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Վերագործարկել հիմա</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Վերագործարկել ավելի ուշ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Լավ</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>Ներբեռնումը ձախողվեց։</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Փորձե՛ք կրկին</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% ծրագրաշարն օգնում է պաշտպանել ձեզ լրտեսող ծրագրերից, խարդախներից և սպամից</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Սեղմեք «Ապատեղադրել»՝ %1%-ի ապատեղադրումը սկսելու համար։</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Սեղմեք «Չեղարկել»՝ ապատեղադրումը չեղարկելու համար</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Ապատեղադրել</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Մենք հեռացրինք %1%-ը ձեր համակարգչից։</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Սեղմեք «Ավարտել», ապա լրացրեք ապատեղադրման մեր հարցումը, որպեսզի հասկանանք, թե ինչու եք ապատեղադրել։</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ավարտել</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ՈՒՇԱԴՐՈՒԹՅՈՒՆ. QUOBEX-Ը ԴԵՌ ՏԵՂԱԴՐՎԱԾ ՉԷ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Իսկապե՞ս ցանկանում եք «Չեղարկել» տեղադրումը։</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Սեղմեք «Տեղադրել» կամ փակեք այս պատուհանը, եթե ցանկանում եք ավարտել Quobex-ի տեղադրումը և կատարել ձեր ընտրությունը։</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Կրկին սեղմեք ներքևի «Չեղարկել» կոճակը՝ դուրս գալու համար առանց Quobex-ը տեղադրելու։</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Սեղմելով «Տեղադրել»՝ դուք ընդունում եք</translation>
    </message>
    <message>
        <source>and</source>
        <translation>և</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1%-ի լիցենզային համաձայնագիրը</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ի լիցենզային</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>համաձայնագիրը</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Տեղադրել</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ՈՒՇԱԴՐՈՒԹՅՈՒՆ. QUOBEX-Ը ԴԵՌ ՏԵՂԱԴՐՎԱԾ ՉԷ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Տեղադրումը դեռ ընթացքի մեջ է։ Եթե այս պահին չեղարկեք այն, Quobex-ն ամբողջությամբ չի տեղադրվի։</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Սեղմեք կապույտ «Շարունակել» կոճակը՝ տեղադրումն ավարտելու համար։</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Սեղմեք ներքևի «Չեղարկել» կոճակը, եթե փոխել եք ձեր որոշումը և այլևս չեք ցանկանում տեղադրել Quobex-ը։</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Շարունակել</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Դուք որոշել եք ապատեղադրել %1%-ը։</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Եթե հանկարծ չգիտեիք.</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Վերջին 24 ժամում մեր միջին օգտվողները (այո՛, դուք էլ) պաշտպանված են եղել մեր տվյալների բազայում գրանցված %1% վարակված հասցեներից որևէ մեկն այցելելուց։</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Միգուցե սա փոխի ձեր կարծիքը.</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Միջինում ամեն հինգ օրը մեկ ավելացնում ենք ավելի քան %1% նոր հասցե, որոնցից սովորաբար %2%-ից պակասն է նորից անվտանգ դառնում։</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ընդհատել ապատեղադրումը և %1%-ը դարձնել իմ լռելյայն որոնման մատակարարը։</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Ես չեմ փոխել որոշումս։ Ապատեղադրել %1%-ը։</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Լավ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Չեղարկել</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Միջինում ամեն օր մեր տվյալների բազային ավելանում է %1% հասցե, և միայն %2%-ն է նորից անվտանգ դառնում։</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Մենք հարգում ենք ձեր արդեն ունեցած պաշտպանությունը կամ ձեր խիզախությունը՝ ռիսկի դիմել և պատահաբար այցելել համացանցի %1% վտանգավոր վեբ հասցեներից մեկը։</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Շնորհակալ ենք %1%-ը փորձելու համար։ Հուսով ենք՝ գոնե կհամաձայնեք, որ լիովին անվճար արտադրանքով բավականին լավ աշխատանք ենք կատարել։</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Եթե օգտվեիք մրցակցի արտադրանքից, ստիպված կլինեիք վճարել տարեկան մոտ 10 USD։</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ես փոխեցի որոշումս, անվճար պաշտպանությունն ի վերջո այնքան էլ վատ չէ։ Ընդհատել ապատեղադրումը և %1%-ը դարձնել իմ լռելյայն որոնման մատակարարը։</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ՉԵՄ ՈՒԶՈՒՄ ՊԱՇՏՊԱՆՈՒԹՅՈՒՆ, ՆՈՒՅՆԻՍԿ ԵԹԵ ԱՆՎՃԱՐ Է!!! Հիմա, խնդրում եմ, ավարտե՛ք %1%-ի ապատեղադրումը։</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Հայտնաբերել ենք, որ ձեր համակարգչում արդեն տեղադրված է %1%-ը։ Չեք կարող շարունակել %2%-ի տեղադրումը, քանի դեռ չեք ապատեղադրել %3%-ը</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1%-ի տեղադրիչ</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Չհաջողվեց գործարկել՝ %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Կարծես Quobex-ն այս պահին աշխատում է։ Փակեք Quobex-ը և այլ աշխատող ծրագրերը, ապա սեղմեք «Կրկնել»՝ տեղադրումը շարունակելու համար։</translation>
    </message>
</context>
</TS>
