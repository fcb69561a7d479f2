<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Pełna obsługa QBX i ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Bezpieczne szyfrowanie AES-256</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Gotowy na Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Zawsze 100% za darmo</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Zaufane wyniki wyszukiwania</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Dla przeglądarek w Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klikając Zainstaluj, akceptujesz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>oraz</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Umowę licencyjną Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>dla użytkownika końcowego</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Umowę licencyjną %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Dlaczego go polecamy?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ZALECANE: zainstaluj Quobex oraz Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NIE CHCĘ OCHRONY WYSZUKIWANIA. Zainstaluj tylko Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Najpierw wybierz powyżej rodzaj instalacji</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Zaczekaj, trwa instalowanie oprogramowania</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalowanie</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalacja została zakończona</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Komputer jest teraz chroniony przez %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Aby nowa wersja była w pełni aktywna, uruchom ponownie komputer</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Uruchom ponownie teraz</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Uruchom ponownie później</translation>
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
        <translation>Pobieranie nie powiodło się!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Spróbuj ponownie!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% pomaga chronić przed programami szpiegującymi, oszustami i spamem</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Kliknij Odinstaluj, aby rozpocząć odinstalowywanie %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Kliknij Anuluj, aby anulować odinstalowywanie</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstaluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Usunęliśmy %1% z komputera.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Kliknij Zakończ, a następnie wypełnij naszą ankietę, aby pomóc nam zrozumieć powód odinstalowania.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>UWAGA: QUOBEX NIE JEST JESZCZE ZAINSTALOWANY</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Czy na pewno chcesz anulować instalację?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Aby dokonać wyboru i dokończyć instalację Quobex, kliknij „Zainstaluj” lub zamknij to okno.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Aby zakończyć bez instalowania Quobex, kliknij poniżej ponownie „Anuluj”.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Klikając Zainstaluj, akceptujesz</translation>
    </message>
    <message>
        <source>and</source>
        <translation>oraz</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Umowę licencyjną %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Umowę licencyjną Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>dla użytkownika końcowego</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>UWAGA: QUOBEX NIE JEST JESZCZE ZAINSTALOWANY</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Instalacja nadal trwa. Jeśli ją teraz anulujesz, Quobex nie zostanie w pełni zainstalowany.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Kliknij niebieski przycisk „Kontynuuj”, aby dokończyć instalację.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Jeśli jednak nie chcesz już instalować Quobex, kliknij poniżej „Anuluj”.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Wybrano odinstalowanie %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Jeśli jeszcze tego nie wiesz:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>W ciągu ostatnich 24 godzin nasi przeciętni użytkownicy (tak, ty też!) byli chronieni przed odwiedzeniem któregokolwiek z %1% zainfekowanych adresów z naszej bazy danych.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Może to cię przekona:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Co pięć dni dodajemy średnio ponad %1% nowych adresów, a zwykle mniej niż %2% z nich ponownie uznajemy za bezpieczne.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Przerwij odinstalowywanie i ustaw %1% jako domyślnego dostawcę wyszukiwania!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Nie zmieniam zdania. Odinstaluj %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Każdego dnia do naszej bazy danych trafia średnio %1% adresów, a tylko %2% z nich ponownie uznajemy za bezpieczne.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Szanujemy ochronę, którą już masz, lub twoją odwagę, by ryzykować przypadkowe odwiedzenie jednego z %1% niebezpiecznych adresów w internecie.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Dziękujemy za wypróbowanie %1%. Mamy nadzieję, że przyznasz chociaż, że jak na całkowicie darmowy produkt spisaliśmy się całkiem nieźle.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Za produkt konkurencji trzeba by płacić około 10 USD rocznie.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Zmieniam zdanie, darmowa ochrona nie jest wcale taka zła. Przerwij odinstalowywanie i ustaw %1% jako domyślnego dostawcę wyszukiwania!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NIE CHCĘ OCHRONY, NAWET ZA DARMO!!! A teraz dokończ wreszcie odinstalowywanie %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Wykryliśmy, że masz już zainstalowany program %1%. Nie możesz zainstalować %2%, dopóki nie odinstalujesz %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalator %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Nie udało się uruchomić %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Wygląda na to, że program Quobex jest obecnie uruchomiony. Zamknij Quobex i inne uruchomione programy, a następnie kliknij „Ponów próbę”, aby kontynuować instalację.</translation>
    </message>
</context>
</TS>
