<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ka_GE" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>QBX-ისა და ZIP-ის სრული მხარდაჭერა</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>AES-256 დაშიფვრა</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>მზადაა Windows 10-ისთვის</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% უფასო სამუდამოდ</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>სანდო ძიების შედეგები</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Windows-ის ბრაუზერებისთვის</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>ინსტალაციით ეთანხმებით</translation>
    </message>
    <message>
        <source>and</source>
        <translation>და</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ის სალიცენზიო</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>შეთანხმებას</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1%-ის სალიცენზიო შეთანხმებას</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>რატომ გირჩევთ ამას?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>რეკომენდებულია: Quobex-ისა და Varnhelm Sentovar-ის ინსტალაცია.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>არ მინდა ძიების დაცვა. მხოლოდ Quobex-ის ინსტალაცია!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>ინსტალაცია</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>ჯერ ზემოთ აირჩიეთ ინსტალაციის ვარიანტი</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>გაფრთხილება</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>გთხოვთ, დაელოდოთ პროგრამის ინსტალაციის დასრულებას</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>მიმდინარეობს ჩამოტვირთვა</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>მიმდინარეობს ინსტალაცია</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>ინსტალაცია დასრულდა</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>ახლა თქვენ %1% %2% გიცავთ</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>ახალი ვერსიის სრულად ასამოქმედებლად საჭიროა კომპიუტერის გადატვირთვა</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>ახლავე გადატვირთვა</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>მოგვიანებით გადატვირთვა</translation>
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
        <translation>ჩამოტვირთვა ვერ მოხერხდა!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>სცადეთ ხელახლა!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% დაგეხმარებათ, დაიცვათ თავი შპიონური პროგრამებისგან, თაღლითებისა და სპამისგან</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>%1%-ის დეინსტალაციის დასაწყებად დააწკაპუნეთ ღილაკზე „დეინსტალაცია“.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>დეინსტალაციის გასაუქმებლად დააწკაპუნეთ ღილაკზე „გაუქმება“</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>დეინსტალაცია</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>ჩვენ წავშალეთ %1% თქვენი კომპიუტერიდან.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>დააწკაპუნეთ ღილაკზე „დასრულება“ და შეავსეთ ჩვენი გამოკითხვა დეინსტალაციის შესახებ, რათა გავიგოთ, რატომ წაშალეთ პროგრამა.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>დასრულება</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ყურადღება: Quobex ჯერ არ არის დაინსტალირებული</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>ნამდვილად გსურთ ინსტალაციის „გაუქმება“?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>დააწკაპუნეთ ღილაკზე „ინსტალაცია“ ან დახურეთ ეს ფანჯარა, თუ გსურთ Quobex-ის ინსტალაციის დასრულება და არჩევანის გაკეთება.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Quobex-ის ინსტალაციის გარეშე გასასვლელად კვლავ დააწკაპუნეთ ქვემოთ ღილაკზე „გაუქმება“.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>ინსტალაციით ეთანხმებით</translation>
    </message>
    <message>
        <source>and</source>
        <translation>და</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>%1%-ის სალიცენზიო შეთანხმებას</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Quobex-ის სალიცენზიო</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>შეთანხმებას</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>ინსტალაცია</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ყურადღება: Quobex ჯერ არ არის დაინსტალირებული</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>ინსტალაცია ჯერ კიდევ მიმდინარეობს. თუ ახლა გააუქმებთ ინსტალაციას, Quobex სრულად არ დაინსტალირდება.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>ინსტალაციის დასასრულებლად დააწკაპუნეთ ლურჯ ღილაკზე „გაგრძელება“.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>დააწკაპუნეთ ქვემოთ ღილაკზე „გაუქმება“, თუ გადაიფიქრეთ და აღარ გსურთ Quobex-ის ინსტალაცია.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>გაგრძელება</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>თქვენ აირჩიეთ %1%-ის დეინსტალაცია.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>თუ არ იცოდით:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>ბოლო 24 საათის განმავლობაში ჩვენი საშუალო მომხმარებლები (დიახ, თქვენც!) დაცულნი იყვნენ ჩვენს მონაცემთა ბაზაში შეტანილი %1% ინფიცირებული მისამართიდან ნებისმიერის მონახულებისგან.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>იქნებ ამან გადაგაფიქრებინოთ:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>საშუალოდ ყოველ ხუთ დღეში %1%-ზე მეტ ახალ მისამართს ვამატებთ, ხოლო, როგორც წესი, %2%-ზე ნაკლები ხდება კვლავ უსაფრთხო.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>დეინსტალაციის შეწყვეტა და %1%-ის ჩემს ნაგულისხმევ ძიების პროვაიდერად დაყენება!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>არ გადამიფიქრებია. %1%-ის დეინსტალაცია!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>გაუქმება</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>საშუალოდ ყოველდღე ჩვენს მონაცემთა ბაზას %1% მისამართი ემატება და მხოლოდ %2% ხდება კვლავ უსაფრთხო.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>ჩვენ პატივს ვცემთ თქვენს არსებულ დაცვას ან თქვენს გამბედაობას, გარისკოთ და შემთხვევით ეწვიოთ ინტერნეტში არსებული %1% საშიში ვებმისამართიდან ერთ-ერთს.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>გმადლობთ, რომ გამოსცადეთ %1%. იმედი გვაქვს, დაგვეთანხმებით მაინც, რომ სრულიად უფასო პროდუქტით საკმაოდ კარგად ვიმუშავეთ.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>კონკურენტის პროდუქტის გამოყენებისას წელიწადში დაახლოებით 10 USD-ის გადახდა მოგიწევდათ.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>გადავიფიქრე, უფასო დაცვა ბოლოს და ბოლოს არც ისე ცუდია. დეინსტალაციის შეწყვეტა და %1%-ის ჩემს ნაგულისხმევ ძიების პროვაიდერად დაყენება!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>არ მინდა დაცვა, თუნდაც უფასო იყოს!!! ახლა კი, გთხოვთ, დაასრულეთ %1%-ის დეინსტალაცია!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>აღმოვაჩინეთ, რომ %1% უკვე დაინსტალირებულია. %2%-ის ინსტალაციას ვერ გააგრძელებთ, სანამ არ მოახდენთ %3%-ის დეინსტალაციას</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>%1%-ის ინსტალერი</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>ვერ მოხერხდა გაშვება: %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>როგორც ჩანს, Quobex ამჟამად გაშვებულია. დახურეთ Quobex და სხვა გაშვებული პროგრამები, შემდეგ კი ინსტალაციის გასაგრძელებლად დააწკაპუნეთ ღილაკზე „ხელახლა ცდა“.</translation>
    </message>
</context>
</TS>
