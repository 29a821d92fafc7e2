<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark est un logiciel d'écriture pour les auteurs de longs livres.
Copyright © les développeurs de Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Rechercher une nouvelle version</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>Impossible d'obtenir la liste des fichiers du cloud</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>Impossible d'obtenir la liste des fichiers du cloud :</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Chapitres auto</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(sans titre)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Aucun chapitre</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n chapitre</numerusform>
            <numerusform>%n chapitres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Histogramme</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 points par connexion quotidienne</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Synchronisation avec le cloud</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Quitter sans synchroniser</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Choix en cas de conflit</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Garder celui-ci, supprimer l'autre</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Tout garder</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>Cloud</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>Carte de statistiques</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Mots récents</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Vitesse récente</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Temps récent</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Mots du jour</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Vitesse du jour</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Temps du jour</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Temps de verrouillage restant (min) :</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Verrouillage par temps inactif</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Mots restants du verrouillage (mots comptés) : </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Verrouillage par mots inactif</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n mot/min</numerusform>
            <numerusform>%n mots/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Mots : </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Comptage…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Ce chapitre : </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Avant le curseur : </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Sélection : </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Créer un salon</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Nom du salon</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Mot de passe requis pour entrer dans le salon</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Mot de passe du salon</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Saisir à nouveau</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>Le fichier est endommagé et ne peut pas être mis de côté ; il n'a pas été écrasé</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>c'est un dossier</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>Le fichier ne peut pas être lu en entier</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Ouvrir un document</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Nouveau document</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (supprimé)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (document externe)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Veuillez attendre la fin du chargement du fichier en cours, puis l'ouvrir à nouveau.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Échec de l'enregistrement ; le document n'a pas été fermé.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Enregistrer et fermer le document</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importer des fichiers</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importer un dossier</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>Impossible d'ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1 : choisissez « %3 » dans le menu « %2 » ou appuyez sur %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>Le fichier a été supprimé et ne peut pas être enregistré. Le texte non enregistré a été conservé dans : %1
Fermer ce document ?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>Le fichier a été supprimé et ne peut pas être enregistré, et le texte non enregistré n’a pu être conservé nulle part : il sera perdu à la fermeture.
Fermer ce document ?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Impossible d'ouvrir l'archive.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Nouveau fichier</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Aucun document pour l'instant</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Fusionner et exporter les documents : </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>Remplacer toutes les occurrences ?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>Le dossier de documents appartient à un autre compte</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>Le dossier de documents « %1 » a été synchronisé la dernière fois par le compte « %2 ».</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>Le dossier de documents « %1 » a été synchronisé la dernière fois par un autre compte.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>Fusionner ses documents dans le compte connecté « %1 », ou choisir un autre dossier de documents pour ce compte ? Tant que vous n'avez pas choisi, aucun document n'est envoyé, téléchargé ou supprimé.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Fusionner dans ce compte</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Choisir un autre dossier de documents</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Agrandir la police</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Réduire la police</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>Texte OpenDocument</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument XML à plat</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Texte enrichi (RTF)</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Texte brut</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Texte Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Tous les fichiers pris en charge</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>Le type de document déclare des entités ou des valeurs d'attribut par défaut (%1) ; le document a été refusé.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>L'encodage %1 du document n'est pas pris en charge.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>Le document contient des octets qui ne correspondent pas à son encodage.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>Le document est trop grand : plus de %n caractère ; lecture arrêtée.</numerusform>
            <numerusform>Le document est trop grand : plus de %n caractères ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>Le document contient trop de paragraphes : plus de %n ; lecture arrêtée.</numerusform>
            <numerusform>Le document contient trop de paragraphes : plus de %n ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Le document contient trop d'éléments : plus de %n ; lecture arrêtée.</numerusform>
            <numerusform>Le document contient trop d'éléments : plus de %n ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>La lecture du document a pris trop de temps : plus de %n seconde ; lecture arrêtée.</numerusform>
            <numerusform>La lecture du document a pris trop de temps : plus de %n secondes ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>Le document est trop imbriqué : plus de %n niveau ; lecture arrêtée.</numerusform>
            <numerusform>Le document est trop imbriqué : plus de %n niveaux ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Un élément du document a trop d'attributs : plus de %n ; lecture arrêtée.</numerusform>
            <numerusform>Un élément du document a trop d'attributs : plus de %n ; lecture arrêtée.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>Le document décompressé est bien plus volumineux que son texte ne le justifie ; lecture arrêtée.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>Le document contient bien plus de paragraphes vides que de paragraphes avec du texte ; lecture arrêtée.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Heure actuelle</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>Une nouvelle version est disponible…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Raccourcis</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Aucun historique</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>Le document est en cours de chargement ou ne peut pas être modifié ; rien n’a été restauré.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>« %1 » restauré ; le texte précédent est conservé dans l’historique.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Texte qui n’a pas pu être enregistré</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Chapitres auto</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Comptage des mots</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mon compte</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Quitter le mode Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Passer en mode Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Recadrer</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>En attente de synchronisation</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>Le document a changé pendant le filtrage ; le résultat n'a pas été appliqué.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Sélectionner le chapitre actuel</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Aller au début du document</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Aller à la fin du document</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Mise en forme en un clic</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Mode adaptatif</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Mode page</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Ce mode d'ouverture n'est pas pris en charge</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>Impossible d'ouvrir le fichier : </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>Enregistrement impossible : </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>pas un fichier local</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>Le fichier a été modifié par un autre programme. Vos modifications non enregistrées sont toujours dans l'éditeur ; l'enregistrement écrasera les changements de l'autre programme.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>C'est déjà un titre de chapitre</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>Le document a changé pendant la mise en page ; le résultat n'a pas été appliqué.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Recherche depuis le début</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Recherche depuis la fin</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>Impossible d'enregistrer l'historique : </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>Le fichier est en cours de chargement</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>Impossible d’enregistrer le texte avant filtrage dans l’historique ; le résultat du filtre n’a pas été appliqué.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>Ce fichier contient des octets qui ne sont pas du texte %1 ; l'enregistrer les modifierait, il est donc ouvert en lecture seule et ne sera jamais enregistré.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>Les modifications non enregistrées ont été conservées dans : %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>Le fichier a été modifié par un autre programme et rechargé ; les modifications non enregistrées ont été conservées dans : %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>Le fichier a été modifié par un autre programme et a été rechargé.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>Le fichier a été déplacé ou supprimé ; les modifications non enregistrées n’ont pu être conservées nulle part et sont toujours dans l’éditeur.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>Le fichier a été déplacé ou supprimé ; les modifications non enregistrées ont été conservées dans : %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>Le fichier ne peut pas être lu (pas d’autorisation) : %1. Les modifications non enregistrées sont toujours dans l’éditeur ; enregistrez à nouveau dès qu’il peut être lu.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Un autre programme a modifié le fichier pendant l’enregistrement ; sa version n’a pu être conservée nulle part.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Un autre programme a modifié le fichier pendant l’enregistrement ; sa version a été conservée dans : %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>Le texte actuel n’a pas pu être conservé dans l’historique ; rien n’a été restauré.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>Impossible de créer le fichier : </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Verrouillé</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Déverrouillé</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Mots restants du verrouillage (mots comptés) : </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Temps de verrouillage restant (s) :</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Prochaine mise à jour du verrouillage dans (s) :</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Verrouillage en cours</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Inscription</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Nom d'utilisateur ou e-mail requis</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Mot de passe requis</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Nom d'utilisateur requis</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>E-mail requis</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Veuillez répéter le mot de passe</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>Les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Code de vérification requis</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Inscription réussie. Vous pouvez vous connecter.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Nom d'utilisateur ou e-mail</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Connexion automatique</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>Mot de passe oublié</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Répéter le mot de passe</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Code de vérification</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>Aucune adresse de serveur configurée : connexion et inscription indisponibles.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Mot de passe de démarrage incorrect</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Remarque : le mot de passe de démarrage n'est pas celui de votre compte.
C'est celui défini dans les préférences du programme.
Vous pouvez le désactiver dans les préférences.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Saisissez le mot de passe de démarrage</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Mot de passe de démarrage</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Entrer</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Comptage des chapitres en cours, réessayez plus tard</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>Le nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>Le nom ne peut contenir ni « / », ni « \ », ni « .. »</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>Le nom est trop long</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Un fichier portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>Le nom ne peut pas commencer par « . »</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>« %1 » est un nom réservé au programme</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Blanc par défaut</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Noir par défaut</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rose poudré</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Vert frais</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>Liseuse</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>Impossible d'enregistrer les marques : </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>Le fichier ne peut pas être lu ; il n'a pas été écrasé</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Supprimer cette marque</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Texte de la marque
(facultatif, 200 caractères au plus)
Sert en général de note.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Par exemple :
Lin Yuan, homme, 27 ans,
libraire du bourg,
taciturne, aime les échecs.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>Mon compte</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Votre nouvel avatar a été enregistré</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Déconnexion</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Chapitres auto</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Comptage des mots</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mon compte</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Quitter le mode Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Passer en mode Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gérer</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>La requête réseau a expiré</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>La réponse est arrivée incomplète</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Supprimer la note</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Ouvrir une note récente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>Impossible d'ouvrir l'archive.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Mot de passe modifié</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Ancien mot de passe</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Nouveau mot de passe</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Répéter le mot de passe</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Chapitres auto</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Comptage des mots</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Moi</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Comptage des mots</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>Vos lecteurs vous remercient d'écrire !</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Bien commencé, c'est à moitié fait. Courage !</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>Légendaire !!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>Vous avez écrit plus de 10 000 mots aujourd'hui !</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Obtenir</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Obtenu</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 points pour la première connexion</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 points par connexion quotidienne</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Son du clavier</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Son de machine à écrire</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Son de goutte d'eau</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Utiliser un mot de passe de démarrage</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Utiliser la disposition minimaliste</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Utiliser la disposition libre</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Activer la synchronisation cloud</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Synchroniser en quittant</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Jeu de raccourcis</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Flou gaussien</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>La couleur du texte par défaut suit le thème. Une couleur choisie ici ne vaut que pour le thème actuel ; si le thème suit le système, seulement pour son thème clair ou sombre actuel.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Mode de l'éditeur</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Mode page</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Mode adaptatif</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Marges latérales (mode adaptatif)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Largeur de page fixe (mode page)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Pixels</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Centrer l'éditeur dans la fenêtre</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Police par défaut</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Couleur de texte par défaut (suit le thème)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Style des titres</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Retrait de deux caractères en première ligne</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Espacement des paragraphes</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Chemin des fichiers</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Intervalle de l'historique</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Afficher le nombre de mots du chapitre dans la barre d'état</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Afficher les mots avant le curseur dans la barre d'état</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinq Entrée de suite ajoutent un titre de chapitre</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Chapitres auto</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Définir les mots-clés des chapitres</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Les statistiques du jour suivent le résultat : les mots du jour sont la somme des changements de chaque document ouvert, un collage ou une suppression peut donc les gonfler ou les réduire ; les autres statistiques ne comptent que les mots tapés.
Comptage des dialogues : le texte avant les deux-points de chaque ligne n'est pas compté.
Avec une rémunération estimée de 0, l'estimation n'est pas affichée.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Statistiques du jour selon le résultat</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Comptage des dialogues</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Rémunération estimée</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>unité</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>yuans pour mille caractères</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Rémunération estimée</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Mise en forme à la touche Entrée</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Deux espaces en début de paragraphe</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Une ligne vide entre les paragraphes</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Mise en forme en un clic</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Supprimer les lignes vides en trop</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Deux espaces en début de paragraphe</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Supprimer les espaces en trop</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Mode machine à écrire</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Activer le mode machine à écrire</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Surligner la ligne actuelle</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Défilement fixe</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marquer la ligne actuelle</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Sans notifications, les points s'accumulent en arrière-plan. Déconnecté, aucun point ne s'accumule.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Afficher les points d'écriture</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>Le comptage des dialogues ne convient qu'aux textes dialogués : le texte avant chaque deux-points n'est pas compté.
Activé, les totaux seront plus bas.
Si votre texte n'est pas dialogué, ou en cas de doute, laissez cette option désactivée !
L'activer ?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>La couleur du titre ne s'applique que si « Même couleur que le texte » est décoché. La taille relative est la taille du titre en multiple de celle du texte.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Même couleur que le texte</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Couleur du titre :</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Taille relative :</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Mots-clés des chapitres</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Mots-clés des chapitres</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>« * » remplace n'importe quel texte. Un mot-clé par ligne, au plus un « * » par mot-clé, jamais au début ni à la fin. Plus il y a de mots-clés, plus le programme est lent.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Définir le mot de passe de démarrage</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Vous devez saisir un mot de passe de démarrage</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Mot de passe de démarrage défini</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Les deux saisies diffèrent</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Mot de passe de démarrage</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>Le mot de passe de démarrage est demandé à l'ouverture ; ce n'est pas celui du compte et il n'est jamais synchronisé.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Confirmer :</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Modifier le profil</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Saisissez un nouveau pseudo ou e-mail</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>Pseudo ou e-mail modifié !</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Pseudo</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Importer une image</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>Impossible d'enregistrer l'image</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Langue (après redémarrage)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Utiliser un mot de passe de démarrage</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Disposition gauche-droite (après redémarrage)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Marges latérales</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Largeur en caractères</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Largeur en pixels</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Flou gaussien</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>La couleur du texte suit le thème ; une couleur choisie ici ne vaut que pour le thème actuel.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Mode de largeur de l'éditeur</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Unité de largeur de l'éditeur</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Couleur de police</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Espacement des paragraphes</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Chemin des fichiers</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Afficher le nombre de mots du chapitre dans la barre d'état</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Afficher les mots avant le curseur dans la barre d'état</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinq Entrée de suite ajoutent un titre de chapitre</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Mots-clés des chapitres</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Définir les mots-clés des chapitres</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>« * » remplace n'importe quel texte ; un mot-clé par ligne, au plus un « * », jamais au début ni à la fin. Plus il y a de mots-clés, plus le programme est lent.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>Le compte du jour est la somme des changements de chaque document ouvert ; coller ou supprimer du texte peut le fausser. Les autres statistiques ne comptent que les mots tapés.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Statistiques du jour selon le résultat</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Comptage des dialogues</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Mise en forme à la touche Entrée</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Deux espaces en début de paragraphe</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Une ligne vide entre les paragraphes</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Mise en forme en un clic</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Supprimer les lignes vides en trop</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Supprimer les espaces en trop</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Mode machine à écrire</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Mode frappe</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Surligner</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Ligne actuelle</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Phrase actuelle</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Paragraphe actuel</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Défilement fixe</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marquer la ligne actuelle</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Blanc par défaut</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Noir par défaut</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rose poudré</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Vert frais</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Enfer</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Niveau 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Niveau 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Niveau 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Niveau 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Niveau 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Niveau 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Nom d'utilisateur ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Informations de connexion invalides, veuillez vous connecter.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Réponse du serveur : introuvable</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Éditeur</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Suivre le système</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Thème sombre</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Thème clair</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Thème vert doux</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Thème rose</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Largeur adaptative</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Largeur fixe</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Largeur de page fixe (pixels)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Nombre fixe de caractères par ligne</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Fenêtre au premier plan</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Carte de statistiques</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Sélectionner ce chapitre</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Mode Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Recherche avancée</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Chapitres</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Nombre de mots</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrer les mots sensibles</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Ajouter un titre de chapitre</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Mode minimaliste</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Agrandir la police</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Réduire la police</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>Échec du renommage. Vérifiez que le nom n'est pas déjà pris et que le dossier est accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Veuillez d'abord vous connecter</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Saisissez un nom de salon</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Saisissez le mot de passe du salon</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Ce nom de salon existe déjà</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Salon créé</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Impossible de créer le salon</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>Le nom du salon ne peut pas contenir « / »</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>Le nom du salon ne peut pas contenir de caractères de contrôle</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>Le nom du salon ne peut pas être « . » ni « .. »</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>Le nom du salon ne peut pas dépasser %n caractère</numerusform>
            <numerusform>Le nom du salon ne peut pas dépasser %n caractères</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>Indisponible</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salons d'écriture</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Veuillez d'abord vous connecter</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Tous les salons</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Créer un salon</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Actualiser les salons</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>Aucune adresse de serveur configurée : salons d'écriture indisponibles.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Salon %1 quitté</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Entrée dans le salon %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Salon</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Quitter le salon</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Pseudo</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Nombre de mots</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutes</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Saisissez le mot de passe du salon</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Saisissez un mot de passe</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Saisissez ici le mot de passe du salon</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Pour entrer dans le salon « %1 », saisissez le mot de passe défini par son propriétaire.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>Fichier RTF non pris en charge.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Fin de fichier inattendue.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrer les mots sensibles</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Insérer un titre de chapitre au curseur</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Mise en forme en un clic</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>Impossible d'enregistrer les réglages : </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Les lignes illisibles du fichier de réglages ont été ignorées ; les autres réglages ont été lus normalement : </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>Le fichier de réglages est verrouillé par un autre programme ; les modifications des réglages ne seront pas conservées pendant cette session : </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>Le fichier de réglages est trop grand et n'a pas été lu ; cette session utilise les réglages par défaut et n'enregistre aucune modification : </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>impossible de créer un lien dans le dossier temporaire</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Appuyez sur un raccourci</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Enregistrer tous les documents, puis éteindre l'ordinateur.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Enregistrer tous les documents, puis redémarrer l'ordinateur.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>Que doit faire l'ordinateur ?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Redémarrer</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>Le serveur a refusé la requête (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>L'horloge de cet ordinateur est trop éloignée de celle du serveur (cet ordinateur : %1, serveur : %2) ; veuillez la régler</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrer les mots sensibles</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>Le document est vide : rien à filtrer</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>Le document n'est pas enregistré. Enregistrez-le avant de filtrer</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Vos mots sensibles</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>Un mot par ligne</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>Le programme contient deux listes de mots sensibles : le filtrage léger utilise la première, le filtrage strict les deux. Les trois niveaux ajoutent les mots personnels de la zone de gauche, un par ligne ; vous pouvez les coller, et les doublons sont retirés à l'enregistrement. Les options sont enregistrées au lancement du filtrage ou à la fermeture de cette fenêtre. Le texte d'avant le filtrage se retrouve dans l'historique du document.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Marquage</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Marquer en rouge pendant l'édition</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Marquer en rouge seulement au filtrage</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Léger</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Personnels</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Rouge seul</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Astérisques</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Miaou</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Ouaf</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Objectif d'écriture</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>Le verrouillage par mots ne peut pas être inférieur à l'actuel</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>Le verrouillage par temps ne peut pas être plus court que l'actuel</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Saisissez une durée ou un nombre de mots de verrouillage</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Verrouillage (mots)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Verrouillage (minutes)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Une fois verrouillé, vous ne pourrez quitter le programme qu'après avoir vraiment atteint les valeurs fixées. Attendre ne compte pas pour le temps, et taper au hasard ou copier-coller en masse ne compte pas pour les mots. Le temps et les mots sont comptés toutes les 20 secondes.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Thème</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>Bravo, défi réussi !!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>Réussi ! Passage au niveau suivant.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>Défi échoué !</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Mots restants</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Temps restant :</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Défi</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>Vous n'avez pas assez de points pour le droit d'entrée de ce défi. Allez en gagner quelques-uns !</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Si vous abandonnez en cours de route, les points ne sont pas remboursés.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>Impossible de charger le défi, réessayez plus tard</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Actualisation…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Récompense</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Échoué</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Points de récompense</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Mots restants</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Temps restant</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>Dépenser %n point pour entrer dans ce mode de défi ?</numerusform>
            <numerusform>Dépenser %n points pour entrer dans ce mode de défi ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Défi : 9 niveaux, %n mot en tout, en %1 heures au plus</numerusform>
            <numerusform>Défi : 9 niveaux, %n mots en tout, en %1 heures au plus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Notifications</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>Le contenu reçu n'a pas la bonne longueur</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>Impossible de vérifier le contenu reçu</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>Le contenu reçu ne correspond pas à sa somme de contrôle</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>Le cloud n'a pas confirmé la réception</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>Le cloud a reçu autre chose que ce qui a été envoyé</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>Impossible d'obtenir les points</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Code d'erreur</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Aucun nom de fichier</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Un dossier portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>Le fichier écrit sur le disque est incomplet</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>Le mot de passe n'est plus valable (il a peut-être été changé ailleurs). Vous êtes déconnecté ; reconnectez-vous.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Saisissez un nom d'utilisateur</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Saisissez un mot de passe</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>Les inscriptions sont momentanément fermées sur le serveur</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Code de vérification incorrect</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Les mots de passe ne correspondent pas</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Ce nom d'utilisateur est déjà pris</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Cette adresse e-mail est déjà utilisée</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Ce nom d'utilisateur est réservé</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Nom d'utilisateur non valide</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>En attente de vérification de l'e-mail</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Nom d'utilisateur ou mot de passe incorrect</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Votre profil a été mis à jour.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Votre avatar a été mis à jour.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>L'adresse e-mail n'est pas valide.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>L'accès réseau est désactivé.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>Le fichier envoyé n'est pas une image</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Connexion…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>Veuillez d'abord vous connecter !</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Délai dépassé</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Délai d'envoi dépassé</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Forcer à quitter</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouverts récemment</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Effacer la liste</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importer un dossier</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importer des fichiers</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Afficher les fichiers</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Afficher les chapitres</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Afficher le comptage des mots</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Afficher les salons d'écriture</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Afficher mon compte</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Fenêtre au premier plan</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Quitter le mode minimaliste</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Passer en mode minimaliste</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Quitter le mode Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Passer en mode Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Carte de statistiques</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrer les mots sensibles</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Ajouter un titre de chapitre</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Mise en forme en un clic</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Mode machine à écrire</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Activer le mode machine à écrire</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Surligner la ligne actuelle</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Défilement fixe</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marquer la ligne actuelle</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Afficher le défi</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Afficher les notes</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Comptage des mots</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuans</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Menu du comptage des mots</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Carte de statistiques</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Synchroniser les comptes</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Veuillez d'abord vous connecter</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Total des mots</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Total des mots (sans espaces)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Espaces</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Sinogrammes</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Paragraphes</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Aujourd'hui</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Mots du jour</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Vitesse du jour</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Temps du jour</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Rémunération du jour</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Mots de la semaine</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Vitesse de la semaine</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Temps de la semaine</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Rémunération de la semaine</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Mots du mois</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Vitesse du mois</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Temps du mois</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Rémunération du mois</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Mots de l'année</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Vitesse de l'année</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Temps de l'année</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Rémunération de l'année</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Régler la taille du texte</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Taille de police</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n mot/min</numerusform>
            <numerusform>%n mots/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Impossible d'enregistrer le fichier de cache : </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>La synchronisation est désactivée dans les réglages</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Une autre synchronisation est déjà en cours</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Synchronisation cloud</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Synchronisation lancée</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Des fichiers en conflit attendent votre choix</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Synchronisation : des fichiers en conflit attendent votre choix</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Non connecté :</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Envoi des fichiers</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Envoi terminé</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Téléchargement des fichiers</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Téléchargement des fichiers en conflit</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Fichiers en conflit téléchargés</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>Impossible de supprimer les métadonnées</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>Impossible de supprimer le fichier distant</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>Impossible de supprimer le fichier distant :</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Échec de l'envoi</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Échec de l'envoi :</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>Impossible de mettre à jour les métadonnées</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>Impossible de mettre à jour les métadonnées :</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Échec du téléchargement</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Échec du téléchargement :</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>Le fichier à supprimer n'existe pas</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>Le fichier à supprimer n'existe pas ::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>Impossible de supprimer le fichier</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>Impossible de supprimer le fichier :</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>Impossible d'écrire le fichier</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>Impossible d'écrire le fichier :</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>Impossible d'écrire les métadonnées</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>Impossible d'écrire les métadonnées :</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>Impossible d'écrire le fichier :</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>conflit</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Déconnecté ; la synchronisation s'est arrêtée</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Synchronisation cloud désactivée ; la synchronisation s'est arrêtée</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>Le programme se ferme ; la synchronisation s'est arrêtée</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>Le compte a changé ; la synchronisation s'est arrêtée</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>Le dossier des documents a changé ; la synchronisation s'est arrêtée</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>La connexion réseau a échoué</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Synchronisation interrompue</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Synchronisation interrompue :</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>Le fichier a été modifié pendant la synchronisation</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>Le fichier a été modifié pendant la synchronisation :</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>Le dossier de documents a été synchronisé la dernière fois par un autre compte ; en attente de votre choix</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>Le fichier local n'a pas pu être lu</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>La copie d'historique n'a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Synchronisation terminée, certains fichiers n'ont pas pu être synchronisés</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Synchronisation cloud terminée, certains fichiers n'ont pas pu être synchronisés :</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>Impossible d'enregistrer les statistiques</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Veuillez d'abord vous connecter</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Mots de la semaine synchronisés (aucun changement)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Mots du mois synchronisés (aucun changement)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Mots de l'année synchronisés (aucun changement)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Mots du jour synchronisés (aucun changement)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>Impossible de synchroniser les mots du jour</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Mots du jour synchronisés (envoyés)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>Impossible d'enregistrer l'ordre des livres : </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>NouveauLivre</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Seuls les fichiers du dossier des documents peuvent être supprimés : %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>Impossible d'enregistrer l'historique, fichier non supprimé : %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Échec de la suppression : %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>Impossible d'enregistrer l'historique, dossier non supprimé : %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>Renommage impossible</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>Renommage impossible : un fichier porte déjà ce nom</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>Renommage impossible : un dossier porte déjà ce nom</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Nouvelle note %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>Impossible de lire l'historique : %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>Impossible d'enregistrer le contenu actuel dans l'historique ; rien n'a été restauré : %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Échec de la restauration : %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Dossier racine</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>Le même contenu existe déjà, non importé : %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>Import impossible : %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>Le dossier n'existe pas</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>Le dossier cible est hors du dossier des documents ; import dans le dossier des documents</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>Le dossier à importer est le dossier cible lui-même : rien à importer</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>Impossible d'exporter dans un document du livre : %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Échec de l'export : %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>Le nom d'un document doit finir par « .txt » ou « .md »</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>Pas dans le dossier des documents</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>Plus aucun nom de fichier disponible</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>Le fichier n'existe pas</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>Impossible d'écraser un fichier déjà présent dans la bibliothèque : %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Supprimer le livre « %1 » et tous ses documents ? Des copies faites avant la suppression sont conservées dans l'historique (Outils → Historique).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>Supprimer « %1 » ? Une copie faite avant la suppression est conservée dans l'historique (Outils → Historique).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>%n fichier importé dans %1</numerusform>
            <numerusform>%n fichiers importés dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>Ces fichiers ne sont pas copiés et ne pourront pas être restaurés après la suppression : %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>Supprimer « %1 » ? Cette action est irréversible.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… et %n autre fichier</numerusform>
            <numerusform>… et %n autres fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>Non restauré : </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>Impossible de savoir à quel document appartient « %1 »</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Plusieurs documents s’appellent « %1 » : restaurez-le depuis l’historique de ce document dans l’arborescence</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Ce fichier contient des octets qui ne sont pas du texte %1 ; il n’est pas écrit</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>Confirmer la suppression ? Les fichiers supprimés ne pourront pas être récupérés.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Échec de la copie : </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Échec du déplacement : </translation>
    </message>
</context>
<context>
    <name>global</name>
    <message>
        <source>Penlark</source>
        <translation>Penlark</translation>
    </message>
    <message>
        <source>反馈</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>Bonjour,</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>J'ai quelques suggestions concernant %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Version du système : %1  Version du programme : %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>Le dossier n'existe pas</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>C'est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>C'est le dossier racine du système de fichiers</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Pas d'autorisation d'écriture</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>Impossible d'utiliser le dossier des documents %1 : %2. Le dossier par défaut est utilisé.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>Impossible d'utiliser le dossier des documents %1 : %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Pointage</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>Un défi est en cours. Quitter maintenant revient à l'échouer, et le droit d'entrée n'est pas remboursé. Quitter quand même ?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>Un défi est encore en cours :</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>OK pour reprendre le défi sans payer à nouveau. Annuler pour l'abandonner ; les points du droit d'entrée déjà payés ne sont pas remboursés.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Appuyez sur %1 pour quitter le mode Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>La fenêtre reste au premier plan</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>La fenêtre ne reste plus au premier plan</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Pendant le verrouillage, la fenêtre reste au premier plan</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>Impossible de quitter pendant le verrouillage</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>Un document n’a pas pu être enregistré : le programme ne s’est pas fermé. Si vous quittez à nouveau, le texte non enregistré sera copié ailleurs et le prochain démarrage indiquera où.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>Des documents n’ont pas pu être enregistrés lors de la dernière fermeture ; leur texte non enregistré a été conservé dans : %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>Le fichier ouvert la dernière fois n’existe plus : %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Accès interdit</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Ce salon est sur invitation : son propriétaire doit vous inviter.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Salon %1 quitté</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>Aucune adresse de serveur configurée</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Code d'erreur :</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>Impossible d'enregistrer le fichier de cache : </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>Ce chemin n'est pas autorisé par le serveur</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>La réponse du cloud n'est pas une liste de fichiers</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>La réponse ne vient pas du service de stockage</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>La liste des fichiers du cloud est incomplète</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Nouvelle version : </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Félicitations, c'est la dernière version</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>Impossible de joindre le serveur de mise à jour !</translation>
    </message>
</context>
</TS>
