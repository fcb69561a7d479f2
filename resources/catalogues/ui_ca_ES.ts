<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="ca_ES" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Compatible amb QBX i ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Xifratge AES-256 segur</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>A punt per al Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Sempre 100% gratuït</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Cerques fiables</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Per a navegadors Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Si fas clic a Instal·la, acceptes el</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i la</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contracte de llicència del Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>per a l'usuari final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Llicència d'usuari final del %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Per què el recomanem?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMANAT: instal·lar el Quobex i el Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NO VULL PROTECCIÓ DE CERCA. Instal·lar només el Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instal·la</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Selecciona primer una opció d'instal·lació més amunt</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertiment</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Espera mentre instal·lem el programari</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>S'està baixant</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>S'està instal·lant</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>La instal·lació s'ha completat</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Ara estàs protegit pel %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Has de reiniciar l'ordinador perquè la nova versió estigui completament activa</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reinicia ara</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reinicia més tard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D'acord</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>La baixada ha fallat!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Torna-ho a provar!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>El %1% t'ajuda a protegir-te del programari espia, dels estafadors i del correu brossa</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Fes clic a Desinstal·la per començar a desinstal·lar el %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Fes clic a Cancel·la per cancel·lar la desinstal·lació</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstal·la</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Hem eliminat el %1% de l'ordinador.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Fes clic a Finalitza i respon la nostra enquesta de desinstal·lació per ajudar-nos a entendre per què l'has desinstal·lat.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalitza</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENCIÓ: EL QUOBEX ENCARA NO ESTÀ INSTAL·LAT</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Segur que vols cancel·lar la instal·lació?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Fes clic a «Instal·la» o tanca aquesta finestra si vols triar una opció i instal·lar el Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Torna a fer clic a «Cancel·la» a sota per sortir sense instal·lar el Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Si fas clic a Instal·la, acceptes el</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i la</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Llicència d'usuari final del %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contracte de llicència del Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>per a l'usuari final</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instal·la</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENCIÓ: EL QUOBEX ENCARA NO ESTÀ INSTAL·LAT</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>La instal·lació encara està en curs. Si la cancel·les ara, el Quobex no quedarà instal·lat del tot.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Fes clic al botó blau «Continua» per completar la instal·lació.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fes clic a «Cancel·la» a sota si has canviat d'opinió i ja no vols instal·lar el Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Has triat desinstal·lar el %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Per si no ho sabies:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>En les darreres 24 hores, l'usuari mitjà (sí, tu també!) ha estat protegit contra l'accés a qualsevol de les %1% adreces infectades registrades a la nostra base de dades.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Potser això et farà canviar d'opinió:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>De mitjana, afegim més de %1% adreces noves cada cinc dies, i normalment menys de %2% tornen a ser segures.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Aturar la desinstal·lació i convertir el %1% en el meu proveïdor de cerca predeterminat!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>No he canviat d'opinió. Desinstal·lar el %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D'acord</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>De mitjana, cada dia s'afegeixen %1% adreces a la nostra base de dades i només %2% tornen a ser segures.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respectem la protecció que ja tens, o el teu valor per arriscar-te a visitar sense voler una de les %1% adreces web perilloses d'Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Gràcies per provar el %1%. Esperem que almenys reconeguis que hem fet una bona feina amb un producte totalment gratuït.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Amb un producte de la competència, pagaries uns 10 USD l'any.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>He canviat d'opinió: tenir protecció gratuïta no està tan malament. Aturar la desinstal·lació i convertir el %1% en el meu proveïdor de cerca predeterminat!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NO VULL PROTECCIÓ NI QUE SIGUI GRATIS!!! I ara, si us plau, acaba de desinstal·lar el %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Hem detectat que ja tens el %1% instal·lat. No pots instal·lar el %2% fins que no desinstal·lis el %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instal·lador del %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>No s'ha pogut iniciar %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Sembla que el Quobex s'està executant. Tanca el Quobex i els altres programes que puguin estar oberts i fes clic a «Torna-ho a provar» per continuar la instal·lació.</translation>
    </message>
</context>
</TS>
