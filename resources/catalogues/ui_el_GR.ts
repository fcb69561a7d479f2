<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="el_GR" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Πλήρης υποστήριξη QBX και ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Ασφαλής κρυπτογράφηση AES 256 bit</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Έτοιμο για Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100% δωρεάν για πάντα</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Αξιόπιστες αναζητήσεις</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Για περιήγηση στα Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Πατώντας «Εγκατάσταση», αποδέχεστε την</translation>
    </message>
    <message>
        <source>and</source>
        <translation>και την</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Άδεια Χρήσης του Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>για τελικούς χρήστες</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Άδεια Χρήσης του %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Γιατί το προτείνουμε;</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>ΣΥΝΙΣΤΑΤΑΙ: Εγκατάσταση Quobex και Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>ΔΕΝ ΘΕΛΩ ΠΡΟΣΤΑΣΙΑ ΑΝΑΖΗΤΗΣΗΣ. Εγκατάσταση μόνο του Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Επιλέξτε πρώτα τύπο εγκατάστασης παραπάνω</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Προειδοποίηση</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Περιμένετε όσο εγκαθίσταται το λογισμικό</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Γίνεται λήψη</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Γίνεται εγκατάσταση</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Η εγκατάσταση ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Τώρα σας προστατεύει το %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Απαιτείται επανεκκίνηση για την πλήρη ενεργοποίηση της νέας έκδοσης</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Επανεκκίνηση τώρα</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Επανεκκίνηση αργότερα</translation>
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
        <translation>Η λήψη απέτυχε!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Δοκιμάστε ξανά!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Το %1% σάς βοηθά να προστατεύεστε από λογισμικό υποκλοπής, απατεώνες και ανεπιθύμητα μηνύματα</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Πατήστε «Κατάργηση» για να καταργηθεί το %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Πατήστε «Άκυρο» για να ακυρώσετε την κατάργηση</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Κατάργηση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Το %1% καταργήθηκε από τον υπολογιστή σας.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Πατήστε «Τέλος» και συμπληρώστε την έρευνά μας, για να μάθουμε γιατί καταργήσατε το πρόγραμμα.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Τέλος</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ΠΡΟΣΟΧΗ: ΤΟ QUOBEX ΔΕΝ ΕΧΕΙ ΕΓΚΑΤΑΣΤΑΘΕΙ ΑΚΟΜΗ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Θέλετε σίγουρα να ακυρώσετε την εγκατάσταση;</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Για να ολοκληρώσετε την εγκατάσταση του Quobex και να κάνετε την επιλογή σας, πατήστε «Εγκατάσταση» ή κλείστε το παράθυρο.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Πατήστε ξανά «Άκυρο» παρακάτω για έξοδο χωρίς εγκατάσταση του Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Πατώντας «Εγκατάσταση», αποδέχεστε την</translation>
    </message>
    <message>
        <source>and</source>
        <translation>και την</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Άδεια Χρήσης του %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Άδεια Χρήσης του Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>για τελικούς χρήστες</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Εγκατάσταση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ΠΡΟΣΟΧΗ: ΤΟ QUOBEX ΔΕΝ ΕΧΕΙ ΕΓΚΑΤΑΣΤΑΘΕΙ ΑΚΟΜΗ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>Η εγκατάσταση βρίσκεται σε εξέλιξη. Αν την ακυρώσετε τώρα, το Quobex δεν θα εγκατασταθεί πλήρως.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Πατήστε το μπλε κουμπί «Συνέχεια» για να ολοκληρωθεί η εγκατάσταση.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Πατήστε «Άκυρο» παρακάτω αν αλλάξατε γνώμη και δεν θέλετε πλέον να εγκαταστήσετε το Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Επιλέξατε να καταργήσετε το %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Αν δεν το ξέρατε:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Τις τελευταίες 24 ώρες, ο μέσος χρήστης μας (ναι, κι εσείς!) προστατεύτηκε από επισκέψεις σε οποιαδήποτε από τις %1% μολυσμένες διευθύνσεις της βάσης δεδομένων μας.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Ίσως αυτό σας κάνει να αλλάξετε γνώμη:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Κατά μέσο όρο προσθέτουμε πάνω από %1% νέες διευθύνσεις κάθε πέντε ημέρες, ενώ συνήθως λιγότερες από %2% γίνονται ξανά ασφαλείς.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Διακοπή κατάργησης και ορισμός του %1% ως προεπιλεγμένης υπηρεσίας αναζήτησης!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Δεν άλλαξα γνώμη. Κατάργηση του %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Κατά μέσο όρο, κάθε μέρα προστίθενται %1% διευθύνσεις στη βάση δεδομένων μας και μόνο %2% γίνονται ξανά ασφαλείς.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Σεβόμαστε την προστασία που ήδη έχετε ή το θάρρος σας να ρισκάρετε να επισκεφθείτε κατά λάθος μία από τις %1% επικίνδυνες διευθύνσεις του Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Ευχαριστούμε που δοκιμάσατε το %1%. Ελπίζουμε τουλάχιστον να συμφωνείτε ότι κάναμε πολύ καλή δουλειά για ένα εντελώς δωρεάν προϊόν.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Με ένα ανταγωνιστικό προϊόν θα πληρώνατε περίπου 10 USD τον χρόνο.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Άλλαξα γνώμη, η δωρεάν προστασία τελικά δεν είναι και τόσο κακή. Διακοπή κατάργησης και ορισμός του %1% ως προεπιλεγμένης υπηρεσίας αναζήτησης!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>ΔΕΝ ΘΕΛΩ ΠΡΟΣΤΑΣΙΑ, ΟΥΤΕ ΚΑΝ ΔΩΡΕΑΝ!!! Ολοκληρώστε επιτέλους την κατάργηση του %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Διαπιστώσαμε ότι το %1% είναι ήδη εγκατεστημένο. Δεν μπορείτε να εγκαταστήσετε το %2% αν δεν καταργήσετε πρώτα το %3%</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Πρόγραμμα εγκατάστασης %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Η εκκίνηση του %1% απέτυχε</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Φαίνεται ότι το Quobex εκτελείται αυτή τη στιγμή. Κλείστε το Quobex και τα άλλα προγράμματα που εκτελούνται και πατήστε «Επανάληψη» για να συνεχιστεί η εγκατάσταση.</translation>
    </message>
</context>
</TS>
