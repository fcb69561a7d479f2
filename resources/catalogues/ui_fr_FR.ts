<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Prise en charge QBX et ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Chiffrement AES-256 sécurisé</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Prêt pour Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>100 % gratuit à vie</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Recherches fiables</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Pour navigateurs Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>En cliquant sur Installer, vous acceptez le</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et la</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrat de licence Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>pour l'utilisateur final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licence utilisateur final de %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Pourquoi le recommandons-nous ?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMMANDÉ : installer Quobex et Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>JE NE VEUX PAS DE PROTECTION DE RECHERCHE. Installer Quobex seulement !</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Sélectionnez d'abord une option d'installation ci-dessus</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Veuillez patienter pendant l'installation du logiciel</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Téléchargement en cours</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Installation en cours</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Installation terminée</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Vous êtes maintenant protégé par %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Vous devez redémarrer votre PC pour que la nouvelle version soit pleinement active</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Redémarrer plus tard</translation>
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
        <translation>Échec du téléchargement !</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Réessayer !</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>%1% vous aide à vous protéger des logiciels espions, des escrocs et du spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Cliquez sur Désinstaller pour commencer la désinstallation de %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Cliquez sur Annuler pour annuler la désinstallation</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Nous avons supprimé %1% de votre ordinateur.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Cliquez sur Terminer, puis répondez à notre enquête de désinstallation pour nous aider à comprendre votre choix.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENTION : QUOBEX N'EST PAS ENCORE INSTALLÉ</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Voulez-vous vraiment « Annuler » l'installation ?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Cliquez sur « Installer » ou fermez cette fenêtre si vous souhaitez faire votre choix et « Installer » Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Cliquez de nouveau sur « Annuler » ci-dessous pour quitter sans installer Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>En cliquant sur Installer, vous acceptez le</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et la</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licence utilisateur final de %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrat de licence Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>pour l'utilisateur final</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATTENTION : QUOBEX N'EST PAS ENCORE INSTALLÉ</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>L'installation est toujours en cours. Si vous l'annulez maintenant, Quobex ne sera pas entièrement installé.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Cliquez sur le bouton bleu « Continuer » pour terminer l'installation.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Cliquez sur « Annuler » ci-dessous si vous avez changé d'avis et ne souhaitez plus installer Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Vous avez choisi de désinstaller %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Au cas où vous ne le sauriez pas :</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Au cours des dernières 24 heures, l'utilisateur moyen (oui, vous aussi !) a été protégé contre l'accès à l'une des %1% adresses infectées répertoriées dans notre base de données.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Ceci vous fera peut-être changer d'avis :</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>En moyenne, nous ajoutons plus de %1% nouvelles adresses tous les cinq jours, et généralement moins de %2% redeviennent sûres.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Annuler la désinstallation et faire de %1% mon fournisseur de recherche par défaut !</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Je n'ai pas changé d'avis. Désinstaller %1% !</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>En moyenne, %1% adresses sont ajoutées chaque jour à notre base de données et seulement %2% redeviennent sûres.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Nous respectons la protection dont vous disposez déjà, ou votre courage de risquer de visiter par accident l'une des %1% adresses web dangereuses d'Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Merci d'avoir essayé %1%. Nous espérons au moins que vous conviendrez que nous avons fait du bon travail avec un produit entièrement gratuit.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Avec un produit concurrent, vous paieriez environ 10 USD par an.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>J'ai changé d'avis : une protection gratuite, ce n'est pas si mal après tout. Annuler la désinstallation et faire de %1% mon fournisseur de recherche par défaut !</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>JE NE VEUX PAS DE PROTECTION, MÊME GRATUITE !!! Maintenant, terminez la désinstallation de %1%, s'il vous plaît !</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Nous avons détecté que %1% est déjà installé. Vous ne pouvez pas installer %2% tant que vous n'avez pas désinstallé %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Programme d'installation de %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Échec du démarrage de %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Quobex semble être en cours d'exécution. Fermez Quobex et les autres programmes éventuellement ouverts, puis cliquez sur « Réessayer » pour poursuivre l'installation.</translation>
    </message>
</context>
</TS>
