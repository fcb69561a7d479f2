<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="pt_PT" sourcelanguage="en_GB">
<context>
    <name>StartView</name>
    <message>
        <source>Full QBX and ZIP support</source>
        <translation>Suporte total para QBX e ZIP</translation>
    </message>
    <message>
        <source>Safe 256-bit AES Encryption</source>
        <translation>Encriptação AES-256 segura</translation>
    </message>
    <message>
        <source>Ready for Windows 10</source>
        <translation>Pronto para Windows 10</translation>
    </message>
    <message>
        <source>100% Free forever</source>
        <translation>Sempre 100% gratuito</translation>
    </message>
    <message>
        <source>Trusted search results</source>
        <translation>Pesquisas fiáveis</translation>
    </message>
    <message>
        <source>For Windows browsers</source>
        <translation>Para browsers do Windows</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ao clicar em Instalar, aceita o</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e a</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de Licença do Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para o Utilizador Final</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licença de Utilizador Final do %1%</translation>
    </message>
    <message>
        <source>Why do we recommend it ?</source>
        <translation>Porque recomendamos?</translation>
    </message>
    <message>
        <source>RECOMMENDED: Install both Quobex and Varnhelm Sentovar.</source>
        <translation>RECOMENDADO: instalar o Quobex e o Varnhelm Sentovar.</translation>
    </message>
    <message>
        <source>I DON'T WANT SEARCH PROTECTION. Install Quobex only !</source>
        <translation>NÃO QUERO PROTEÇÃO DE PESQUISA. Instalar apenas o Quobex!</translation>
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
        <translation>Selecione primeiro uma opção de instalação acima</translation>
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
        <translation>Aguarde enquanto instalamos o software</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message>
        <source>Installing</source>
        <translation>A instalar</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message>
        <source>Installation is complete</source>
        <translation>Instalação concluída</translation>
    </message>
    <message>
        <source>You are now protected by %1% %2%</source>
        <translation>Está agora protegido pelo %1% %2%</translation>
    </message>
    <message>
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>Tem de reiniciar o PC para que a nova versão fique totalmente ativa</translation>
    </message>
    <message>
        <source>Reboot Now</source>
        <translation>Reiniciar agora</translation>
    </message>
    <message>
        <source>Reboot Later</source>
        <translation>Reiniciar mais tarde</translation>
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
        <translation>A transferência falhou!</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Tentar novamente!</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message>
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>O software %1% ajuda a protegê-lo contra spyware, burlões e spam</translation>
    </message>
    <message>
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Clique em Desinstalar para iniciar a desinstalação do %1%.</translation>
    </message>
    <message>
        <source>Click Cancel to cancel uninstallation</source>
        <translation>Clique em Cancelar para cancelar a desinstalação</translation>
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
        <translation>Removemos o %1% do seu computador.</translation>
    </message>
    <message>
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Clique em Concluir e responda ao nosso inquérito de desinstalação para nos ajudar a perceber porque o desinstalou.</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluir</translation>
    </message>
</context>
<context>
    <name>CancelView</name>
    <message>
        <source>ATTENTION QUOBEX IS NOT INSTALLED YET</source>
        <translation>ATENÇÃO: O QUOBEX AINDA NÃO ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Are you sure you want to 'Cancel' the installation ?</source>
        <translation>Tem a certeza de que pretende «Cancelar» a instalação?</translation>
    </message>
    <message>
        <source>Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection.</source>
        <translation>Clique em «Instalar» ou feche esta janela se pretender fazer a sua escolha e «Instalar» o Quobex.</translation>
    </message>
    <message>
        <source>Click 'Cancel' again below to quit without installing Quobex.</source>
        <translation>Clique novamente em «Cancelar» abaixo para sair sem instalar o Quobex.</translation>
    </message>
    <message>
        <source>By clicking Install you agree to the</source>
        <translation>Ao clicar em Instalar, aceita o</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e a</translation>
    </message>
    <message>
        <source>%1% End User Licence</source>
        <translation>Licença de Utilizador Final do %1%</translation>
    </message>
    <message>
        <source>Quobex End User Licence</source>
        <translation>Contrato de Licença do Quobex</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>para o Utilizador Final</translation>
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
        <translation>ATENÇÃO: O QUOBEX AINDA NÃO ESTÁ INSTALADO</translation>
    </message>
    <message>
        <source>Your installation is still in progress. If you cancel the installation at this point you will not have a complete installation of Quobex.</source>
        <translation>A instalação ainda está em curso. Se a cancelar agora, o Quobex não ficará totalmente instalado.</translation>
    </message>
    <message>
        <source>Click the blue 'Continue' button to complete the installation.</source>
        <translation>Clique no botão azul «Continuar» para concluir a instalação.</translation>
    </message>
    <message>
        <source>Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex.</source>
        <translation>Clique em «Cancelar» abaixo se mudou de ideias e já não pretende instalar o Quobex.</translation>
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
        <translation>Optou por desinstalar o %1%.</translation>
    </message>
    <message>
        <source>Just in case you didn't know:</source>
        <translation>Caso não saiba:</translation>
    </message>
    <message>
        <source>During the last 24 hours our average users (yes, you too!) have been protected against visiting any of the %1% infected addresses we have listed in our database.</source>
        <translation>Nas últimas 24 horas, o utilizador médio (sim, também é o seu caso!) esteve protegido contra o acesso a qualquer um dos %1% endereços infetados registados na nossa base de dados.</translation>
    </message>
    <message>
        <source>Maybe this will change your mind:</source>
        <translation>Talvez isto mude a sua opinião:</translation>
    </message>
    <message>
        <source>On average we add more than %1% new addresses every five days, and typically less than %2% become safe again.</source>
        <translation>Em média, adicionamos mais de %1% novos endereços a cada cinco dias e, normalmente, menos de %2% voltam a ser seguros.</translation>
    </message>
    <message>
        <source>Abort Uninstall and make %1% my default search provider!</source>
        <translation>Cancelar a desinstalação e tornar o %1% o meu fornecedor de pesquisa predefinido!</translation>
    </message>
    <message>
        <source>I have not changed my mind. Uninstall %1%!</source>
        <translation>Não mudei de ideias. Desinstalar o %1%!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>On Average every single day %1% addresses are added to our database and only %2% become safe again.</source>
        <translation>Em média, todos os dias são adicionados %1% endereços à nossa base de dados e apenas %2% voltam a ser seguros.</translation>
    </message>
    <message>
        <source>We respect the protection you already have in place, or your courage to risk accidentally visiting one of the %1% dangerous web addresses on the internet by accident.</source>
        <translation>Respeitamos a proteção que já tem, ou a sua coragem de arriscar visitar sem querer um dos %1% endereços perigosos da Internet.</translation>
    </message>
    <message>
        <source>Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a totally free product.</source>
        <translation>Obrigado por experimentar o %1%. Esperamos que, pelo menos, concorde que fizemos um bom trabalho com um produto totalmente gratuito.</translation>
    </message>
    <message>
        <source>If you were using a competitor's product, you would need to pay approximately 10 USD per year.</source>
        <translation>Com um produto da concorrência, pagaria cerca de 10 USD por ano.</translation>
    </message>
    <message>
        <source>I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make %1% my default search provider!</source>
        <translation>Mudei de ideias, afinal ter proteção gratuita não é assim tão mau. Cancelar a desinstalação e tornar o %1% o meu fornecedor de pesquisa predefinido!</translation>
    </message>
    <message>
        <source>I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!</source>
        <translation>NÃO QUERO PROTEÇÃO, NEM QUE SEJA GRÁTIS!!! Agora, por favor, terminem a desinstalação do %1%!</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message>
        <source>We have detected that you already have %1% installed, you cannot proceed to install %2% until you have uninstalled %3%</source>
        <translation>Detetámos que o %1% já está instalado. Não é possível instalar o %2% sem antes desinstalar o %3%.</translation>
    </message>
    <message>
        <source>%1% Installer</source>
        <translation>Instalador do %1%</translation>
    </message>
    <message>
        <source>starting of %1% failed</source>
        <translation>Falha ao iniciar %1%</translation>
    </message>
    <message>
        <source>It seems like you have Quobex running at the moment. Please close Quobex and other programs that may be running, then click "Retry" to proceed with the installation.</source>
        <translation>Parece que o Quobex está em execução. Feche o Quobex e outros programas que possam estar em execução e, em seguida, clique em «Repetir» para continuar a instalação.</translation>
    </message>
</context>
</TS>
