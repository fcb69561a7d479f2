<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Compatible con QBX y ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Cifrado AES-256 seguro</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Listo para Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Siempre 100% gratis</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Búsquedas fiables</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Para navegadores Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Al hacer clic en Instalar, aceptas el</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y la</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de licencia de Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para el usuario final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licencia de usuario final de %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>¿Por qué lo recomendamos?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMENDADO: instalar Quobex y Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NO QUIERO PROTECCIÓN DE BÚSQUEDA. ¡Instalar solo Quobex!</translation>
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
        <translation>Selecciona primero una opción de instalación arriba</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message>
        <source>Please wait while we install your software</source>
        <translation>Espera mientras instalamos el software</translation>
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
        <translation>Ahora estás protegido por %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Debes reiniciar el equipo para que la nueva versión esté totalmente activa</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reiniciar ahora</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reiniciar más tarde</translation>
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
        <translation>¡Error en la descarga!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>¡Inténtalo de nuevo!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>El software %1% te ayuda a protegerte de spyware, estafadores y spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Haz clic en Desinstalar para empezar a desinstalar %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Haz clic en Cancelar para cancelar la desinstalación</translation>
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
        <translation>Hemos eliminado %1% de tu equipo.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Haz clic en Finalizar y responde a nuestra encuesta de desinstalación para ayudarnos a entender por qué lo has desinstalado.</translation>
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
        <translation>ATENCIÓN: QUOBEX AÚN NO ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>¿Seguro que quieres «Cancelar» la instalación?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Haz clic en «Instalar» o cierra esta ventana si quieres elegir una opción e «Instalar» Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Haz clic de nuevo en «Cancelar» abajo para salir sin instalar Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Al hacer clic en Instalar, aceptas el</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y la</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licencia de usuario final de %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de licencia de Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para el usuario final</translation>
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
        <translation>ATENCIÓN: QUOBEX AÚN NO ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>La instalación sigue en curso. Si la cancelas ahora, Quobex no quedará instalado por completo.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Haz clic en el botón azul «Continuar» para completar la instalación.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Haz clic en «Cancelar» abajo si has cambiado de opinión y ya no quieres instalar Quobex.</translation>
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
        <translation>Has decidido desinstalar %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Por si no lo sabías:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>En las últimas 24 horas, el usuario medio (¡sí, tú también!) ha estado a salvo de visitar cualquiera de las %1% direcciones infectadas que figuran en nuestra base de datos.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Quizá esto te haga cambiar de opinión:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>De media, añadimos más de %1% direcciones nuevas cada cinco días, y normalmente menos de %2% vuelven a ser seguras.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>¡Cancelar la desinstalación y convertir %1% en mi proveedor de búsqueda predeterminado!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>No he cambiado de opinión. ¡Desinstalar %1%!</translation>
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
        <translation>De media, cada día se añaden %1% direcciones a nuestra base de datos y solo %2% vuelven a ser seguras.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respetamos la protección que ya tienes, o tu valor para arriesgarte a visitar sin querer una de las %1% direcciones web peligrosas de Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Gracias por probar %1%. Esperamos que al menos reconozcas que hemos hecho un buen trabajo con un producto totalmente gratuito.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Con un producto de la competencia, pagarías unos 10 USD al año.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>He cambiado de opinión: tener protección gratis no está tan mal. ¡Cancelar la desinstalación y convertir %1% en mi proveedor de búsqueda predeterminado!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>¡¡¡NO QUIERO PROTECCIÓN NI AUNQUE SEA GRATIS!!! ¡Y ahora termina de desinstalar %1%, por favor!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Hemos detectado que ya tienes %1% instalado. No puedes instalar %2% hasta que desinstales %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalador de %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Error al iniciar %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Parece que Quobex se está ejecutando. Cierra Quobex y los demás programas que puedan estar abiertos y haz clic en «Reintentar» para continuar con la instalación.</translation>
    </message>
</context>
</TS>
