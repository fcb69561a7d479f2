<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.0" language="pt_BR" sourcelanguage="en_GB">
<context>
    <name>ErrorView</name>
    <message id="32397">
        <source>Download failed!</source>
        <translation>Falha no Download!</translation>
    </message>
</context>
<context>
    <name>FinishView</name>
    <message id="32398">
        <source>Installation is complete</source>
        <translation>A instalação está completa</translation>
    </message>
    <message id="32399">
        <source>You are now protected by %1%</source>
        <translation>Você agora está protegido por %1%</translation>
    </message>
    <message id="32400">
        <source>You need to reboot your PC before the new version will be fully active</source>
        <translation>É necessário reiniciar o seu PC antes da nova versão ser totalmente ativa</translation>
    </message>
    <message id="32401">
        <source>Reboot Now</source>
        <translation>Reiniciar Agora</translation>
    </message>
    <message id="32402">
        <source>Reboot Later</source>
        <translation>Reiniciar Mais Tarde</translation>
    </message>
</context>
<context>
    <name>MainDlg</name>
    <message id="32403">
        <source>%1% Installer</source>
        <translation>Instalador %1%</translation>
    </message>
    <message id="32404">
        <source>If you close this installer now, %1% will not be able to function properly</source>
        <translation>%1% pode não funcionar corretamente se fechar este instalador agora</translation>
    </message>
</context>
<context>
    <name>ProcessView</name>
    <message id="32405">
        <source>Please wait while we install your software</source>
        <translation>Por favor, aguarde enquanto instalamos o seu software</translation>
    </message>
</context>
<context>
    <name>StartView</name>
    <message id="32406">
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>O software %1% ajuda a proteger você contra spyware, scammers e spam  </translation>
    </message>
    <message id="32407">
        <source>%1% rates websites you visit in all major search engines</source>
        <translation>%1% classifica os sites que você visita em todas as principais ferramentas de busca </translation>
    </message>
    <message id="32408">
        <source>Clearly displays rankings for sites</source>
        <translation>Mostra claramente a classificação de sites  </translation>
    </message>
    <message id="32409">
        <source>By Clicking Install you agree to the</source>
        <translation>Ao clicar em instalar você concorda com o  </translation>
    </message>
    <message id="32410">
        <source>and</source>
        <translation>e</translation>
    </message>
    <message id="32411">
        <source>Safe Site</source>
        <translation>Site Seguro</translation>
    </message>
    <message id="32412">
        <source>Dangerous Site</source>
        <translation>Site Perigoso</translation>
    </message>
    <message id="32413">
        <source>Install</source>
        <translation>Instalar </translation>
    </message>
    <message id="32414">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="32513">
        <source>%1% User License Agreement</source>
        <translation>%1% Contrato de Licença de Usuário</translation>
    </message>
    <message id="32514">
        <source>Privacy Policy</source>
        <translation>Política de Privacidade</translation>
    </message>
</context>
<context>
    <name>UninstallView</name>
    <message id="32415">
        <source>%1% software helps protect you from spyware, scammers and spam</source>
        <translation>O software %1% ajuda a proteger você contra spyware, scammers e spam </translation>
    </message>
    <message id="32416">
        <source>Click uninstall to start uninstalling %1%.</source>
        <translation>Clique em Desinstalar para iniciar a desinstalação de %1%. </translation>
    </message>
    <message id="32417">
        <source>Click Cancel to cancel uninstalltion</source>
        <translation>Clique em Cancelar para cancelar a desinstalação </translation>
    </message>
    <message id="32418">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="32419">
        <source>Cancel</source>
        <translation>Cancelar </translation>
    </message>
</context>
<context>
    <name>UninstalledView</name>
    <message id="32420">
        <source>We have removed %1% from your computer.</source>
        <translation>Removemos %1% do seu computador.</translation>
    </message>
    <message id="32421">
        <source>Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled.</source>
        <translation>Por favor, clique em Concluir e, em seguida, preencha a nossa pesquisa de desinstalação para nos ajudar a entender a razão da desinstalação. </translation>
    </message>
    <message id="32422">
        <source>Finish</source>
        <translation>Concluir </translation>
    </message>
</context>
</TS>
