<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="gl_ES" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Compatible con QBX e ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Cifrado AES-256 seguro</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Preparado para Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Sempre 100% gratuíto</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Buscas fiables</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Para navegadores Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ao facer clic en Instalar, aceptas o</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e a</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de licenza de Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para o usuario final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licenza de usuario final de %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Por que o recomendamos?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMENDADO: instalar Quobex e Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NON QUERO PROTECCIÓN DE BUSCA. Instalar só Quobex!</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please first select an install above</source>
        <translation>Selecciona primeiro unha opción de instalación arriba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Agarda mentres instalamos o software</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>Instalando</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalación completada</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Agora estás protexido por %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Tes que reiniciar o computador para que a nova versión estea totalmente activa</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reiniciar máis tarde</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ErrorView</name>
    <message>
        <source>Download failed!</source>
        <translation>A descarga fallou!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Téntao de novo!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>O software %1% axúdache a protexerte de spyware, estafadores e spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Fai clic en Desinstalar para comezar a desinstalar %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Fai clic en Cancelar para cancelar a desinstalación</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message>
        <source>We have removed %1% from your computer.</source>
        <translation>Eliminamos %1% do teu computador.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Fai clic en Finalizar e responde á nosa enquisa de desinstalación para axudarnos a entender por que o desinstalaches.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENCIÓN: QUOBEX AÍNDA NON ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Seguro que queres «Cancelar» a instalación?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Fai clic en «Instalar» ou pecha esta xanela se queres escoller unha opción e «Instalar» Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Fai clic de novo en «Cancelar» abaixo para saír sen instalar Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ao facer clic en Instalar, aceptas o</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e a</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licenza de usuario final de %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de licenza de Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para o usuario final</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>AbandonView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENCIÓN: QUOBEX AÍNDA NON ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>A instalación aínda está en curso. Se a cancelas agora, Quobex non quedará instalado por completo.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Fai clic no botón azul «Continuar» para completar a instalación.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Fai clic en «Cancelar» abaixo se cambiaches de opinión e xa non queres instalar Quobex.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>UninstallStepsView</name>
    <message>
        <source>You have chosen to uninstall %1%.</source>
        <translation>Escolliches desinstalar %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Por se non o sabías:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Nas últimas 24 horas, o usuario medio (si, ti tamén!) estivo a salvo de visitar calquera dos %1% enderezos infectados rexistrados na nosa base de datos.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Se cadra isto fai que cambies de opinión:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>De media, engadimos máis de %1% enderezos novos cada cinco días, e normalmente menos de %2% volven ser seguros.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Cancelar a desinstalación e converter %1% no meu provedor de busca predeterminado!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Non cambiei de opinión. Desinstalar %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>De media, cada día engádense %1% enderezos á nosa base de datos e só %2% volven ser seguros.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respectamos a protección que xa tes, ou a túa valentía para arriscarte a visitar sen querer un dos %1% enderezos web perigosos de Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Grazas por probar %1%. Agardamos que polo menos recoñezas que fixemos un bo traballo cun produto totalmente gratuíto.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Cun produto da competencia, pagarías uns 10 USD ao ano.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Cambiei de opinión: ter protección gratuíta non está tan mal. Cancelar a desinstalación e converter %1% no meu provedor de busca predeterminado!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NON QUERO PROTECCIÓN NIN AÍNDA QUE SEXA GRATIS!!! E agora, por favor, remata de desinstalar %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Detectamos que xa tes %1% instalado. Non podes instalar %2% ata que desinstales %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalador de %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Non se puido iniciar %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Parece que Quobex está en execución. Pecha Quobex e os demais programas que poidan estar abertos e fai clic en «Tentar de novo» para continuar coa instalación.</translation>
    </message>
</context>
</TS>
