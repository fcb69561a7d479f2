<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Supporto completo QBX e ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Crittografia AES-256 sicura</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Pronto per Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Sempre gratis al 100%</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Ricerche affidabili</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Per i browser di Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Facendo clic su Installa, accetti il</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e la</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contratto di licenza Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>con l'utente finale</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licenza per l'utente finale di %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Perché lo consigliamo?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>CONSIGLIATO: installa sia Quobex sia Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NON VOGLIO LA PROTEZIONE DELLA RICERCA. Installa solo Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Seleziona prima un tipo di installazione qui sopra</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Attendi mentre installiamo il software</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installazione in corso</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Ora sei protetto da %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Devi riavviare il PC perché la nuova versione sia completamente attiva</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Riavvia ora</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Riavvia più tardi</translation>
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
        <translation>Download non riuscito!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Riprova!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>Il software %1% ti aiuta a proteggerti da spyware, truffatori e spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Fai clic su Disinstalla per avviare la disinstallazione di %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Fai clic su Annulla per annullare la disinstallazione</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Abbiamo rimosso %1% dal computer.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Fai clic su Fine e compila il nostro sondaggio sulla disinstallazione per aiutarci a capire il motivo della tua scelta.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENZIONE: QUOBEX NON È ANCORA INSTALLATO</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Vuoi davvero annullare l'installazione?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Fai clic su «Installa» o chiudi questa finestra se vuoi fare la tua scelta e installare Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Fai di nuovo clic su «Annulla» qui sotto per uscire senza installare Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Facendo clic su Installa, accetti il</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e la</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licenza per l'utente finale di %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contratto di licenza Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>con l'utente finale</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENZIONE: QUOBEX NON È ANCORA INSTALLATO</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>L'installazione è ancora in corso. Se la annulli ora, Quobex non sarà installato completamente.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Fai clic sul pulsante blu «Continua» per completare l'installazione.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fai clic su «Annulla» qui sotto se hai cambiato idea e non vuoi più installare Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Hai scelto di disinstallare %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Nel caso non lo sapessi:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Nelle ultime 24 ore l'utente medio (sì, anche tu!) è stato protetto dall'accesso a uno qualsiasi dei %1% indirizzi infetti presenti nel nostro database.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Forse questo ti farà cambiare idea:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>In media aggiungiamo più di %1% nuovi indirizzi ogni cinque giorni, e di solito meno di %2% tornano sicuri.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Interrompi la disinstallazione e imposta %1% come mio provider di ricerca predefinito!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Non ho cambiato idea. Disinstalla %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>In media ogni giorno vengono aggiunti al nostro database %1% indirizzi e solo %2% tornano sicuri.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Rispettiamo la protezione che hai già o il tuo coraggio nel rischiare di visitare per sbaglio uno dei %1% indirizzi web pericolosi presenti su Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Grazie per aver provato %1%. Speriamo almeno che tu riconosca che abbiamo fatto un buon lavoro con un prodotto completamente gratuito.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Con un prodotto della concorrenza pagheresti circa 10 USD all'anno.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Ho cambiato idea, avere una protezione gratuita non è poi così male. Interrompi la disinstallazione e imposta %1% come mio provider di ricerca predefinito!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NON VOGLIO LA PROTEZIONE NEMMENO SE È GRATIS!!! E ora, per favore, completa la disinstallazione di %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Abbiamo rilevato che %1% è già installato. Non puoi installare %2% finché non disinstalli %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Programma di installazione di %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Impossibile avviare %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Sembra che Quobex sia in esecuzione. Chiudi Quobex e gli altri programmi eventualmente aperti, quindi fai clic su «Riprova» per proseguire con l'installazione.</translation>
    </message>
</context>
</TS>
