<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>版本号</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Penlark 是为长篇作者写作的专注写作软件。
版权所有 © Penlark 开发者。</source>
        <translation>Penlark es un programa de escritura para autores de libros largos.
Copyright © los desarrolladores de Penlark.</translation>
    </message>
    <message>
        <source>立即更新</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>检查新版本</source>
        <translation>Buscar una versión nueva</translation>
    </message>
</context>
<context>
    <name>AnalysisSyncWorker</name>
    <message>
        <source>获取云端列表出错</source>
        <translation>No se pudo obtener la lista de archivos de la nube</translation>
    </message>
    <message>
        <source>获取云端列表出错:</source>
        <translation>No se pudo obtener la lista de archivos de la nube:</translation>
    </message>
</context>
<context>
    <name>AutoChapterPage</name>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>(无标题)</source>
        <translation>(sin título)</translation>
    </message>
    <message>
        <source>没有章节</source>
        <translation>Sin capítulos</translation>
    </message>
    <message numerus="yes">
        <source>%n 章</source>
        <translation>
            <numerusform>%n capítulo</numerusform>
            <numerusform>%n capítulos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BarGraph</name>
    <message>
        <source>柱状图</source>
        <translation>Gráfico de barras</translation>
    </message>
</context>
<context>
    <name>ClockInPage</name>
    <message>
        <source>打卡</source>
        <translation>Registro diario</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 puntos por cada inicio de sesión diario</translation>
    </message>
</context>
<context>
    <name>CloudButton</name>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
</context>
<context>
    <name>CloudSheet</name>
    <message>
        <source>正在云同步</source>
        <translation>Sincronizando con la nube</translation>
    </message>
    <message>
        <source>不同步，直接退出</source>
        <translation>Salir sin sincronizar</translation>
    </message>
</context>
<context>
    <name>ConflictPage</name>
    <message>
        <source>冲突选择</source>
        <translation>Resolver conflictos</translation>
    </message>
    <message>
        <source>留下这个，删除另一个</source>
        <translation>Conservar este, eliminar el otro</translation>
    </message>
    <message>
        <source>All Keep</source>
        <translation>Conservar todos</translation>
    </message>
    <message>
        <source>本机</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>云端</source>
        <translation>Nube</translation>
    </message>
</context>
<context>
    <name>CountChartWindow</name>
    <message>
        <source>统计卡片</source>
        <translation>Tarjeta de estadísticas</translation>
    </message>
    <message>
        <source>近期字数</source>
        <translation>Palabras recientes</translation>
    </message>
    <message>
        <source>近期速度</source>
        <translation>Velocidad reciente</translation>
    </message>
    <message>
        <source>近期用时</source>
        <translation>Tiempo reciente</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Palabras de hoy</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocidad de hoy</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tiempo de hoy</translation>
    </message>
    <message>
        <source>剩余锁定时间(分钟):</source>
        <translation>Tiempo de bloqueo restante (min):</translation>
    </message>
    <message>
        <source>锁定时间没有启动</source>
        <translation>Bloqueo por tiempo inactivo</translation>
    </message>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Palabras restantes del bloqueo (palabras contadas): </translation>
    </message>
    <message>
        <source>锁定字数没有启动</source>
        <translation>Bloqueo por palabras inactivo</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n palabra/min</numerusform>
            <numerusform>%n palabras/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountLabel</name>
    <message>
        <source>字数: </source>
        <translation>Palabras: </translation>
    </message>
    <message>
        <source>统计中…</source>
        <translation>Contando…</translation>
    </message>
    <message>
        <source>本章: </source>
        <translation>Capítulo: </translation>
    </message>
    <message>
        <source>光标前: </source>
        <translation>Antes del cursor: </translation>
    </message>
    <message>
        <source>选中: </source>
        <translation>Selección: </translation>
    </message>
</context>
<context>
    <name>CreateRoomSheet</name>
    <message>
        <source>创建房间</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>房间名称</source>
        <translation>Nombre de la sala</translation>
    </message>
    <message>
        <source>进入房间需要输入密码</source>
        <translation>Se necesita contraseña para entrar en la sala</translation>
    </message>
    <message>
        <source>房间密码</source>
        <translation>Contraseña de la sala</translation>
    </message>
    <message>
        <source>重新键入</source>
        <translation>Escribir de nuevo</translation>
    </message>
</context>
<context>
    <name>DataTypeClass</name>
    <message>
        <source>文件已损坏且无法移开，未覆盖</source>
        <translation>El archivo está dañado y no se puede apartar; no se sobrescribió</translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>无法完整读取文件</source>
        <translation>El archivo no se puede leer completo</translation>
    </message>
</context>
<context>
    <name>DocumentTabPage</name>
    <message>
        <source>Open a document</source>
        <translation>Abrir un documento</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>New a document</source>
        <translation>Nuevo documento</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source> (已删除)</source>
        <translation> (eliminado)</translation>
    </message>
    <message>
        <source> (外部文档)</source>
        <translation> (documento externo)</translation>
    </message>
    <message>
        <source>请稍等,等正在载入中的文件载入完成后再打开。</source>
        <translation>Espere a que termine de cargarse el archivo y vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>保存失败，文档没有关闭。</source>
        <translation>Error al guardar; el documento no se cerró.</translation>
    </message>
    <message>
        <source>Saved successfully</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>保存并关闭文档</source>
        <translation>Guardar y cerrar el documento</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importar archivos</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importar carpeta</translation>
    </message>
    <message>
        <source>无法打开“%1”：%2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>%1：选择“%2”菜单中的“%3”，或按 %4</source>
        <translation>%1: elija «%3» en el menú «%2» o pulse %4</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存。未保存的文字已存入：%1
关闭这个文档吗？</source>
        <translation>El archivo se eliminó y no se puede guardar. El texto sin guardar se guardó en: %1
¿Cerrar este documento?</translation>
    </message>
    <message>
        <source>文件已被删除，无法保存，未保存的文字也无处存放：关闭后这些文字会丢失。
关闭这个文档吗？</source>
        <translation>El archivo se eliminó y no se puede guardar, y el texto sin guardar no pudo guardarse en ningún sitio: se perderá al cerrar.
¿Cerrar este documento?</translation>
    </message>
</context>
<context>
    <name>DocxReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>No se puede abrir el archivo comprimido.</translation>
    </message>
</context>
<context>
    <name>FileHistoryPage</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source>文件</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>新建文件夹</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>Nuevo archivo</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>排序</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>还没有文档</source>
        <translation>Aún no hay documentos</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>在文件夹中显示</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>合并并导出文档：</source>
        <translation>Combinar y exportar documentos: </translation>
    </message>
</context>
<context>
    <name>FindWidget</name>
    <message>
        <source>替换</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>无结果</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>正则表达式</source>
        <translation>Expresión regular</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>向上查找</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>向下查找</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Reemplazar todo</translation>
    </message>
    <message>
        <source>确认全部替换？</source>
        <translation>¿Reemplazar todas las coincidencias?</translation>
    </message>
</context>
<context>
    <name>FolderAccountSheet</name>
    <message>
        <source>文档目录属于另一个账号</source>
        <translation>La carpeta de documentos pertenece a otra cuenta</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由账号“%2”同步。</source>
        <translation>La carpeta de documentos «%1» la sincronizó por última vez la cuenta «%2».</translation>
    </message>
    <message>
        <source>文档目录“%1”上次由另一个账号同步。</source>
        <translation>La carpeta de documentos «%1» la sincronizó por última vez otra cuenta.</translation>
    </message>
    <message>
        <source>要把其中的文档合并到当前账号“%1”，还是为当前账号另选一个文档目录？选择之前，不会上传、下载或删除任何文档。</source>
        <translation>¿Combinar sus documentos en la cuenta conectada «%1» o elegir otra carpeta de documentos para esta cuenta? Hasta que elija, no se sube, descarga ni elimina ningún documento.</translation>
    </message>
    <message>
        <source>合并到当前账号</source>
        <translation>Combinar en esta cuenta</translation>
    </message>
    <message>
        <source>另选文档目录</source>
        <translation>Elegir otra carpeta de documentos</translation>
    </message>
</context>
<context>
    <name>FontSizeBox</name>
    <message>
        <source>放大字体</source>
        <translation>Aumentar fuente</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Reducir fuente</translation>
    </message>
</context>
<context>
    <name>FormatManager</name>
    <message>
        <source>OpenDocument Text</source>
        <translation>Texto OpenDocument</translation>
    </message>
    <message>
        <source>OpenDocument Flat XML</source>
        <translation>OpenDocument XML plano</translation>
    </message>
    <message>
        <source>Office Open XML</source>
        <translation>Office Open XML</translation>
    </message>
    <message>
        <source>Rich Text Format</source>
        <translation>Formato de texto enriquecido</translation>
    </message>
    <message>
        <source>Plain Text</source>
        <translation>Texto sin formato</translation>
    </message>
    <message>
        <source>Markdown Text</source>
        <translation>Texto Markdown</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>All Supported Files</source>
        <translation>Todos los archivos compatibles</translation>
    </message>
</context>
<context>
    <name>FormatReader</name>
    <message>
        <source>文档类型声明了实体或属性默认值（%1），已拒绝读取。</source>
        <translation>El tipo de documento declara entidades o valores de atributo predeterminados (%1); se rechazó el documento.</translation>
    </message>
    <message>
        <source>不支持文档的编码 %1。</source>
        <translation>No se admite la codificación %1 del documento.</translation>
    </message>
    <message>
        <source>文档中有不符合其编码的字节。</source>
        <translation>El documento contiene bytes que no corresponden a su codificación.</translation>
    </message>
    <message numerus="yes">
        <source>文档过大：超过 %n 个字符，已停止读取。</source>
        <translation>
            <numerusform>El documento es demasiado grande: más de %n carácter; se detuvo la lectura.</numerusform>
            <numerusform>El documento es demasiado grande: más de %n caracteres; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档段落过多：超过 %n 段，已停止读取。</source>
        <translation>
            <numerusform>El documento tiene demasiados párrafos: más de %n; se detuvo la lectura.</numerusform>
            <numerusform>El documento tiene demasiados párrafos: más de %n; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档元素过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>El documento tiene demasiados elementos: más de %n; se detuvo la lectura.</numerusform>
            <numerusform>El documento tiene demasiados elementos: más de %n; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>读取文档超时：超过 %n 秒，已停止读取。</source>
        <translation>
            <numerusform>La lectura del documento tardó demasiado: más de %n segundo; se detuvo la lectura.</numerusform>
            <numerusform>La lectura del documento tardó demasiado: más de %n segundos; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档嵌套过深：超过 %n 层，已停止读取。</source>
        <translation>
            <numerusform>El documento está anidado en exceso: más de %n nivel; se detuvo la lectura.</numerusform>
            <numerusform>El documento está anidado en exceso: más de %n niveles; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>文档中一个元素的属性过多：超过 %n 个，已停止读取。</source>
        <translation>
            <numerusform>Un elemento del documento tiene demasiados atributos: más de %n; se detuvo la lectura.</numerusform>
            <numerusform>Un elemento del documento tiene demasiados atributos: más de %n; se detuvo la lectura.</numerusform>
        </translation>
    </message>
    <message>
        <source>文档解压后的内容远多于其中的文字，已停止读取。</source>
        <translation>El documento descomprimido ocupa mucho más de lo que su texto necesita; se detuvo la lectura.</translation>
    </message>
    <message>
        <source>文档中的空段落远多于有文字的段落，已停止读取。</source>
        <translation>El documento tiene muchos más párrafos vacíos que párrafos con texto; se detuvo la lectura.</translation>
    </message>
</context>
<context>
    <name>FullTimerWidget</name>
    <message>
        <source>当前时间</source>
        <translation>Hora actual</translation>
    </message>
</context>
<context>
    <name>FunctionBar</name>
    <message>
        <source>隐藏</source>
        <translation>Ocultar</translation>
    </message>
</context>
<context>
    <name>FunctionTitleBar</name>
    <message>
        <source>返回</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>GlobalMessage</name>
    <message>
        <source>新版已发布...</source>
        <translation>Hay una nueva versión…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atajos</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>没有历史记录</source>
        <translation>Sin historial</translation>
    </message>
    <message>
        <source>文档正在载入或不能修改，未恢复。</source>
        <translation>El documento se está cargando o no se puede modificar; no se ha restaurado nada.</translation>
    </message>
    <message>
        <source>已恢复“%1”，恢复前的内容已存入历史记录。</source>
        <translation>«%1» restaurado; el texto anterior se guarda en el historial.</translation>
    </message>
    <message>
        <source>未能保存的内容</source>
        <translation>Texto que no se pudo guardar</translation>
    </message>
</context>
<context>
    <name>HomeBar</name>
    <message>
        <source>文件</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mi cuenta</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Salir del modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar en modo Lumo</translation>
    </message>
</context>
<context>
    <name>ImageButton</name>
    <message>
        <source>选择图片</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>ImageCropSheet</name>
    <message>
        <source>剪裁</source>
        <translation>Recortar</translation>
    </message>
</context>
<context>
    <name>LazyEdit</name>
    <message>
        <source>未命名文件</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>等待同步</source>
        <translation>Esperando sincronización</translation>
    </message>
    <message>
        <source>过滤期间文档已被修改，过滤结果未应用。</source>
        <translation>El documento cambió durante el filtrado; no se aplicó el resultado.</translation>
    </message>
    <message>
        <source>标记</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>选中当前章节</source>
        <translation>Seleccionar el capítulo actual</translation>
    </message>
    <message>
        <source>转到文档开始</source>
        <translation>Ir al inicio del documento</translation>
    </message>
    <message>
        <source>转到文档结尾</source>
        <translation>Ir al final del documento</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formato con un clic</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modo adaptable</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modo página</translation>
    </message>
</context>
<context>
    <name>LazyTextDocument</name>
    <message>
        <source>未支持的打开方式</source>
        <translation>Esta forma de abrir no es compatible</translation>
    </message>
    <message>
        <source>无法打开文件: </source>
        <translation>No se puede abrir el archivo: </translation>
    </message>
    <message>
        <source>Cannot save: </source>
        <translation>No se puede guardar: </translation>
    </message>
    <message>
        <source>not a local file</source>
        <translation>no es un archivo local</translation>
    </message>
    <message>
        <source>文件已被其他程序修改。未保存的修改仍在编辑器中，保存时会覆盖外部的修改。</source>
        <translation>Otro programa modificó el archivo. Sus cambios sin guardar siguen en el editor; al guardar se sobrescribirán los cambios del otro programa.</translation>
    </message>
    <message>
        <source>已经是章节标题了</source>
        <translation>Ya es un título de capítulo</translation>
    </message>
    <message>
        <source>第%1章</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>排版期间文档已被修改，排版结果未应用。</source>
        <translation>El documento cambió durante la maquetación; no se aplicó el resultado.</translation>
    </message>
    <message>
        <source>从头开始查找</source>
        <translation>Buscando desde el principio</translation>
    </message>
    <message>
        <source>从结尾开始查找</source>
        <translation>Buscando desde el final</translation>
    </message>
    <message>
        <source>未找到</source>
        <translation>No encontrado</translation>
    </message>
    <message>
        <source>无法保存历史记录：</source>
        <translation>No se puede guardar el historial: </translation>
    </message>
    <message>
        <source>文件正在载入</source>
        <translation>El archivo se está cargando</translation>
    </message>
    <message>
        <source>无法保存过滤前的历史记录，过滤结果未应用。</source>
        <translation>No se pudo guardar en el historial el texto anterior al filtrado; no se aplicó el resultado del filtro.</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，保存会改变它们：文件以只读方式打开，不会被保存。</source>
        <translation>Este archivo contiene bytes que no son texto %1; guardarlo los cambiaría, así que se abre en solo lectura y nunca se guarda.</translation>
    </message>
    <message>
        <source>未保存的修改已存入：%1</source>
        <translation>Los cambios sin guardar se guardaron en: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改并重新载入，未保存的修改已存入：%1</source>
        <translation>Otro programa modificó el archivo y se ha vuelto a cargar; los cambios sin guardar se guardaron en: %1</translation>
    </message>
    <message>
        <source>文件已被其他程序修改，已重新载入。</source>
        <translation>Otro programa modificó el archivo y se ha vuelto a cargar.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改无处存放，仍在编辑器中。</source>
        <translation>El archivo se movió o se eliminó; los cambios sin guardar no se pudieron guardar en ningún sitio y siguen en el editor.</translation>
    </message>
    <message>
        <source>文件已被移动或删除，未保存的修改已存入：%1</source>
        <translation>El archivo se movió o se eliminó; los cambios sin guardar se guardaron en: %1</translation>
    </message>
    <message>
        <source>无法读取文件（没有权限）：%1。未保存的修改仍在编辑器中，能读取后再保存。</source>
        <translation>No se puede leer el archivo (sin permiso): %1. Los cambios sin guardar siguen en el editor; guarde de nuevo cuando se pueda leer.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本无处存放。</source>
        <translation>Otro programa modificó el archivo mientras se guardaba; su versión no pudo guardarse en ningún sitio.</translation>
    </message>
    <message>
        <source>保存时另一个程序也修改了文件，它的版本已存入：%1</source>
        <translation>Otro programa modificó el archivo mientras se guardaba; su versión se guardó en: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复。</source>
        <translation>No se pudo guardar el texto actual en el historial; no se ha restaurado nada.</translation>
    </message>
</context>
<context>
    <name>LibraryPath</name>
    <message>
        <source>无法新建文件：</source>
        <translation>No se puede crear el archivo: </translation>
    </message>
</context>
<context>
    <name>Locker</name>
    <message>
        <source>已锁定</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>已解锁</source>
        <translation>Desbloqueado</translation>
    </message>
</context>
<context>
    <name>LockerLabel</name>
    <message>
        <source>剩余锁定字数(有效字数): </source>
        <translation>Palabras restantes del bloqueo (palabras contadas): </translation>
    </message>
    <message>
        <source>剩余锁定时间(秒):</source>
        <translation>Tiempo de bloqueo restante (s):</translation>
    </message>
    <message>
        <source>距离刷新锁定数据剩余时间(秒):</source>
        <translation>Próxima actualización del bloqueo en (s):</translation>
    </message>
    <message>
        <source>当前处于锁定状态</source>
        <translation>Bloqueo activo</translation>
    </message>
</context>
<context>
    <name>LoginPage</name>
    <message>
        <source>登录</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrarse</translation>
    </message>
    <message>
        <source>用户名或邮箱不能为空</source>
        <translation>Se requiere usuario o correo</translation>
    </message>
    <message>
        <source>密码不能为空</source>
        <translation>Se requiere contraseña</translation>
    </message>
    <message>
        <source>用户名不能为空</source>
        <translation>Se requiere nombre de usuario</translation>
    </message>
    <message>
        <source>邮箱不能为空</source>
        <translation>Se requiere correo</translation>
    </message>
    <message>
        <source>确认密码不能为空</source>
        <translation>Repita la contraseña</translation>
    </message>
    <message>
        <source>两次输入的密码不一致</source>
        <translation>Las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>验证码不能为空</source>
        <translation>Se requiere código de verificación</translation>
    </message>
    <message>
        <source>注册成功，您可以登陆了</source>
        <translation>Registro completado. Ya puede iniciar sesión.</translation>
    </message>
    <message>
        <source>用户名或邮箱</source>
        <translation>Usuario o correo</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>自动登录</source>
        <translation>Iniciar sesión automáticamente</translation>
    </message>
    <message>
        <source>找回密码</source>
        <translation>¿Olvidó la contraseña?</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repetir contraseña</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Código de verificación</translation>
    </message>
    <message>
        <source>创建新账户</source>
        <translation>Crear una cuenta</translation>
    </message>
    <message>
        <source>未配置服务器地址，无法登录或注册。</source>
        <translation>No hay dirección de servidor configurada; no se puede iniciar sesión ni registrarse.</translation>
    </message>
</context>
<context>
    <name>LoginPasswordWidget</name>
    <message>
        <source>启动密码错误</source>
        <translation>Contraseña de inicio incorrecta</translation>
    </message>
    <message>
        <source>注意启动密码不是您用户账号的密码。
而是您在软件偏好设置中设置的启动密码。
此功能可以在本软件的偏好设置中取消。</source>
        <translation>Nota: la contraseña de inicio no es la de su cuenta.
Es la contraseña de inicio definida en las preferencias.
Puede desactivarla en las preferencias.</translation>
    </message>
    <message>
        <source>请输入启动密码</source>
        <translation>Introduzca la contraseña de inicio</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Contraseña de inicio</translation>
    </message>
    <message>
        <source>进入</source>
        <translation>Entrar</translation>
    </message>
</context>
<context>
    <name>LumoCounter</name>
    <message>
        <source>Counting chapters, please try again later</source>
        <translation>Contando capítulos; inténtelo más tarde</translation>
    </message>
</context>
<context>
    <name>LumoFileSystemModel</name>
    <message>
        <source>名称不能为空</source>
        <translation>El nombre no puede estar vacío</translation>
    </message>
    <message>
        <source>名称不能包含“/”、“\”或“..”</source>
        <translation>El nombre no puede contener «/», «\» ni «..»</translation>
    </message>
    <message>
        <source>名称太长</source>
        <translation>El nombre es demasiado largo</translation>
    </message>
    <message>
        <source>指定名称的文件已存在</source>
        <translation>Ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>名称不能以“.”开头</source>
        <translation>El nombre no puede empezar por «.»</translation>
    </message>
    <message>
        <source>“%1”是程序自用的名称</source>
        <translation>«%1» es un nombre que usa el propio programa</translation>
    </message>
</context>
<context>
    <name>LumoTheme</name>
    <message>
        <source>跟随主题</source>
        <translation>Seguir el sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Blanco predeterminado</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Negro predeterminado</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa empolvado</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>电纸书</source>
        <translation>Libro electrónico</translation>
    </message>
</context>
<context>
    <name>MarkModel</name>
    <message>
        <source>无法保存标记：</source>
        <translation>No se pueden guardar las marcas: </translation>
    </message>
    <message>
        <source>文件无法读取，未覆盖</source>
        <translation>No se puede leer el archivo; no se sobrescribió</translation>
    </message>
</context>
<context>
    <name>MarkTextWidget</name>
    <message>
        <source>标记</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>删除此标记</source>
        <translation>Eliminar esta marca</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>标记内容
(可为空,最多200字)
一般用作注释。</source>
        <translation>Texto de la marca
(opcional, hasta 200 caracteres)
Suele usarse como nota.</translation>
    </message>
    <message>
        <source>例如：
林远，男，二十七岁，
镇上书铺的掌柜，
寡言，爱下棋。
...</source>
        <translation>Por ejemplo:
Lin Yuan, hombre, 27 años,
librero del pueblo,
callado, aficionado al ajedrez.
...</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>MePage</name>
    <message>
        <source>个人中心</source>
        <translation>Mi cuenta</translation>
    </message>
    <message>
        <source>您的新头像更新成功</source>
        <translation>Se guardó su nuevo avatar</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>头像设置</source>
        <translation>Avatar</translation>
    </message>
    <message>
        <source>设置用户信息</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>退出登录</source>
        <translation>Cerrar sesión</translation>
    </message>
</context>
<context>
    <name>MiniHomeBar</name>
    <message>
        <source>文件</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>个人中心</source>
        <translation>Mi cuenta</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Salir del modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar en modo Lumo</translation>
    </message>
    <message>
        <source>Manage</source>
        <translation>Gestionar</translation>
    </message>
</context>
<context>
    <name>NavigationItem</name>
    <message>
        <source>返回</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>NetworkReply</name>
    <message>
        <source>网络请求超时</source>
        <translation>La solicitud de red agotó el tiempo de espera</translation>
    </message>
    <message>
        <source>收到的内容不完整</source>
        <translation>La respuesta llegó incompleta</translation>
    </message>
</context>
<context>
    <name>NotesPage</name>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>创建新笔记</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>删除笔记</source>
        <translation>Eliminar nota</translation>
    </message>
    <message>
        <source>打开最近笔记</source>
        <translation>Abrir una nota reciente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Borrar lista</translation>
    </message>
</context>
<context>
    <name>NotesWindow</name>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>OdtReader</name>
    <message>
        <source>Unable to open archive.</source>
        <translation>No se puede abrir el archivo comprimido.</translation>
    </message>
</context>
<context>
    <name>PasswordWindow</name>
    <message>
        <source>修改密码</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>密码修改成功</source>
        <translation>Contraseña cambiada</translation>
    </message>
    <message>
        <source>旧密码</source>
        <translation>Contraseña anterior</translation>
    </message>
    <message>
        <source>新密码</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>再次输入</source>
        <translation>Repetir contraseña</translation>
    </message>
</context>
<context>
    <name>PcMain</name>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
</context>
<context>
    <name>PhoneHomeTabBar</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Me</source>
        <translation>Yo</translation>
    </message>
    <message>
        <source>字数统计</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
</context>
<context>
    <name>Points</name>
    <message>
        <source>积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>读者感谢你的创作!</source>
        <translation>¡Sus lectores le agradecen que escriba!</translation>
    </message>
    <message>
        <source>开始就成功了一半,加油!</source>
        <translation>Buen comienzo, ya tiene la mitad. ¡Ánimo!</translation>
    </message>
    <message>
        <source>超神!!!</source>
        <translation>¡¡¡Legendario!!!</translation>
    </message>
    <message>
        <source>您今天已经创作了一万字以上！</source>
        <translation>¡Hoy ha escrito más de 10 000 palabras!</translation>
    </message>
</context>
<context>
    <name>PointsAwardRow</name>
    <message>
        <source>获取</source>
        <translation>Obtener</translation>
    </message>
    <message>
        <source>已获取</source>
        <translation>Obtenido</translation>
    </message>
</context>
<context>
    <name>PointsWindow</name>
    <message>
        <source>积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>首次登陆赠送100积分</source>
        <translation>100 puntos por el primer inicio de sesión</translation>
    </message>
    <message>
        <source>每日登陆赠送10积分</source>
        <translation>10 puntos por cada inicio de sesión diario</translation>
    </message>
</context>
<context>
    <name>PreferencesPage</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>键盘音效</source>
        <translation>Sonido del teclado</translation>
    </message>
    <message>
        <source>音效</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>打字机音效</source>
        <translation>Sonido de máquina de escribir</translation>
    </message>
    <message>
        <source>水滴声音效</source>
        <translation>Sonido de gota de agua</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usar contraseña de inicio</translation>
    </message>
    <message>
        <source>使用 极简 布局</source>
        <translation>Usar el diseño minimalista</translation>
    </message>
    <message>
        <source>使用 自由 布局</source>
        <translation>Usar el diseño libre</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
    <message>
        <source>启用云同步</source>
        <translation>Activar la sincronización</translation>
    </message>
    <message>
        <source>退出软件时执行云同步</source>
        <translation>Sincronizar al salir</translation>
    </message>
    <message>
        <source>快捷键方案</source>
        <translation>Esquema de atajos</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Desenfoque gaussiano</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>默认字体颜色跟随主题。在这里设置的颜色只用于当前主题；主题跟随系统时，只用于系统当前的亮色或暗色主题。</source>
        <translation>El color de texto predeterminado sigue el tema. Un color elegido aquí solo se aplica al tema actual; si el tema sigue al sistema, solo a su tema claro u oscuro actual.</translation>
    </message>
    <message>
        <source>编辑框模式</source>
        <translation>Modo del editor</translation>
    </message>
    <message>
        <source>页面模式</source>
        <translation>Modo página</translation>
    </message>
    <message>
        <source>自适应模式</source>
        <translation>Modo adaptable</translation>
    </message>
    <message>
        <source>编辑框左右边距（自适应模式）</source>
        <translation>Márgenes laterales (modo adaptable)</translation>
    </message>
    <message>
        <source>页面固定宽度（页面模式）</source>
        <translation>Ancho de página fijo (modo página)</translation>
    </message>
    <message>
        <source>像素</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>汉字</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>编辑框全局居中</source>
        <translation>Centrar el editor en la ventana</translation>
    </message>
    <message>
        <source>默认字体</source>
        <translation>Fuente predeterminada</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>默认字体颜色(跟随主题)</source>
        <translation>Color de texto predeterminado (sigue al tema)</translation>
    </message>
    <message>
        <source>文档中标题样式</source>
        <translation>Estilo de los títulos</translation>
    </message>
    <message>
        <source>首行缩进两个字符</source>
        <translation>Sangría de dos caracteres en la primera línea</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source>段落间距</source>
        <translation>Espaciado de párrafo</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>文件路径</source>
        <translation>Ruta de archivos</translation>
    </message>
    <message>
        <source>生成历史记录时间间隔</source>
        <translation>Intervalo del historial</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostrar palabras del capítulo en la barra de estado</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostrar palabras antes del cursor en la barra de estado</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinco Intro seguidos añaden un título de capítulo</translation>
    </message>
    <message>
        <source>自动章节</source>
        <translation>Capítulos automáticos</translation>
    </message>
    <message>
        <source>设置自动章节识别关键词</source>
        <translation>Definir palabras clave de capítulos</translation>
    </message>
    <message>
        <source>统计</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>今日统计以结果为准：今日字数是每个打开过的文档的字数变化之和，粘贴或删除文字会让它偏多或偏少；其他统计仍只计算输入的字数。
对话体统计：每行冒号前面的文字不计入字数。
预估稿费为 0 时不显示预估稿费。</source>
        <translation>Las estadísticas de hoy siguen el resultado: las palabras de hoy son la suma de los cambios de cada documento abierto, así que pegar o borrar texto puede aumentarlas o reducirlas; las demás estadísticas solo cuentan lo tecleado.
Recuento de diálogos: no se cuenta el texto antes de los dos puntos de cada línea.
Con un pago estimado de 0 no se muestra la estimación.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Estadística de hoy según el resultado</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Conteo de diálogos</translation>
    </message>
    <message>
        <source>预估稿费统计</source>
        <translation>Honorarios estimados</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>unidad</translation>
    </message>
    <message>
        <source>元/千字</source>
        <translation>yuanes por mil caracteres</translation>
    </message>
    <message>
        <source>预估稿费</source>
        <translation>Honorarios estimados</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Formato al pulsar Intro</translation>
    </message>
    <message>
        <source>段落开头添加两个空格</source>
        <translation>Dos espacios al inicio de cada párrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Una línea en blanco entre párrafos</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formato con un clic</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Quitar líneas en blanco sobrantes</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Dos espacios al inicio de cada párrafo</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Quitar espacios sobrantes</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escribir</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Activar el modo máquina de escribir</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Resaltar la línea actual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Desplazamiento fijo</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar la línea actual</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>禁止显示创作积分提示之后，创作积分将在后台累加。未登录状态无法累加积分。</source>
        <translation>Sin avisos, los puntos se siguen acumulando. Sin sesión iniciada no se acumulan puntos.</translation>
    </message>
    <message>
        <source>显示创作积分提示</source>
        <translation>Mostrar avisos de puntos</translation>
    </message>
    <message>
        <source>对话体统计只适用于对话体类型的文章，不统计冒号前面的文字。
开启后，统计结果会偏少。
如果您创作的并非对话体文章，或者您并不确定什么是对话体，强烈建议不要开启此选项！
确定开启吗？</source>
        <translation>El recuento de diálogos solo sirve para textos dialogados: no se cuenta el texto antes de cada dos puntos.
Activado, los totales serán menores.
Si su texto no es dialogado o no está seguro, ¡no active esta opción!
¿Activarlo?</translation>
    </message>
    <message>
        <source>取消“颜色与正文相同”后，标题颜色才会生效。相对倍数是标题字号相对正文字号的倍数。</source>
        <translation>El color del título solo se aplica si «Mismo color que el texto» está desmarcado. El tamaño relativo es el del título como múltiplo del texto.</translation>
    </message>
    <message>
        <source>颜色与正文相同</source>
        <translation>Mismo color que el texto</translation>
    </message>
    <message>
        <source>标题颜色:</source>
        <translation>Color del título:</translation>
    </message>
    <message>
        <source>相对倍数:</source>
        <translation>Tamaño relativo:</translation>
    </message>
    <message>
        <source>自动章节关键词设置</source>
        <translation>Palabras clave de capítulos</translation>
    </message>
    <message>
        <source>自动章节关键词</source>
        <translation>Palabras clave de capítulos</translation>
    </message>
    <message>
        <source>“*”代表任意文字，每行一个关键词，每个关键词最多一个“*”，且不能在开头或结尾。关键词越多，软件越慢。</source>
        <translation>«*» representa cualquier texto. Una palabra clave por línea, como mucho un «*» por palabra y nunca al principio ni al final. Cuantas más palabras clave, más lento el programa.</translation>
    </message>
    <message>
        <source>设置登录密码</source>
        <translation>Definir la contraseña de inicio</translation>
    </message>
    <message>
        <source>您需要输入启动密码</source>
        <translation>Debe introducir una contraseña de inicio</translation>
    </message>
    <message>
        <source>启动密码设置成功</source>
        <translation>Contraseña de inicio establecida</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Las dos entradas no coinciden</translation>
    </message>
    <message>
        <source>启动密码</source>
        <translation>Contraseña de inicio</translation>
    </message>
    <message>
        <source>启动密码是您打开软件时需要输入的密码，与账户无关，也不会同步到云端</source>
        <translation>La contraseña de inicio se pide al abrir; no es la de la cuenta y nunca se sincroniza.</translation>
    </message>
    <message>
        <source>输入密码:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>输入密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>再来一次:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source>再来一次</source>
        <translation>Repetir</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>设置用户信息</source>
        <translation>Editar perfil</translation>
    </message>
    <message>
        <source>请输入新的昵称或邮箱</source>
        <translation>Introduzca un nuevo apodo o correo</translation>
    </message>
    <message>
        <source>修改昵称或邮箱成功！</source>
        <translation>¡Apodo o correo cambiado!</translation>
    </message>
    <message>
        <source>电子邮箱</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Apodo</translation>
    </message>
</context>
<context>
    <name>QIActionSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QIAlertView</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QIImagePicker</name>
    <message>
        <source>Import Image</source>
        <translation>Importar imagen</translation>
    </message>
    <message>
        <source>Failed to save the image</source>
        <translation>No se pudo guardar la imagen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>语言(重启软件生效)</source>
        <translation>Idioma (tras reiniciar)</translation>
    </message>
    <message>
        <source>使用启动密码</source>
        <translation>Usar contraseña de inicio</translation>
    </message>
    <message>
        <source>使用左右布局 (重启软件生效）</source>
        <translation>Diseño izquierda-derecha (tras reiniciar)</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Edit Side Margin</source>
        <translation>Márgenes laterales</translation>
    </message>
    <message>
        <source>ChineseCharacters Width</source>
        <translation>Ancho en caracteres</translation>
    </message>
    <message>
        <source>Pixel Width</source>
        <translation>Ancho en píxeles</translation>
    </message>
    <message>
        <source>背景图</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>高斯模糊</source>
        <translation>Desenfoque gaussiano</translation>
    </message>
    <message>
        <source>DocumentTips</source>
        <translation>El color del texto sigue al tema; un color elegido aquí solo vale para el tema actual.</translation>
    </message>
    <message>
        <source>编辑框宽度模式</source>
        <translation>Modo de ancho del editor</translation>
    </message>
    <message>
        <source>编辑框宽度单位</source>
        <translation>Unidad de ancho del editor</translation>
    </message>
    <message>
        <source>字体颜色</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>行间距</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source>段间距</source>
        <translation>Espaciado de párrafo</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Ruta de archivos</translation>
    </message>
    <message>
        <source>在状态栏中显示章节字数</source>
        <translation>Mostrar palabras del capítulo en la barra de estado</translation>
    </message>
    <message>
        <source>在状态栏中显示光标前字数</source>
        <translation>Mostrar palabras antes del cursor en la barra de estado</translation>
    </message>
    <message>
        <source>连续五次回车自动添加章节名</source>
        <translation>Cinco Intro seguidos añaden un título de capítulo</translation>
    </message>
    <message>
        <source>Auto Chapter Keys</source>
        <translation>Palabras clave de capítulos</translation>
    </message>
    <message>
        <source>Set auto chapter Keys</source>
        <translation>Definir palabras clave de capítulos</translation>
    </message>
    <message>
        <source>AutoChapterTips</source>
        <translation>«*» representa cualquier texto; una palabra clave por línea, como mucho un «*», nunca al principio ni al final. Cuantas más palabras clave, más lento el programa.</translation>
    </message>
    <message>
        <source>WordCountTips</source>
        <translation>El recuento de hoy es la suma de los cambios de cada documento abierto; pegar o borrar texto puede alterarlo. Las demás estadísticas solo cuentan las palabras tecleadas.</translation>
    </message>
    <message>
        <source>今日统计以结果为准</source>
        <translation>Estadística de hoy según el resultado</translation>
    </message>
    <message>
        <source>启用对话体统计</source>
        <translation>Conteo de diálogos</translation>
    </message>
    <message>
        <source>回车排版</source>
        <translation>Formato al pulsar Intro</translation>
    </message>
    <message>
        <source>段落开头增加两个空格</source>
        <translation>Dos espacios al inicio de cada párrafo</translation>
    </message>
    <message>
        <source>段落间增加一个空行</source>
        <translation>Una línea en blanco entre párrafos</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formato con un clic</translation>
    </message>
    <message>
        <source>删除段落间多余空行</source>
        <translation>Quitar líneas en blanco sobrantes</translation>
    </message>
    <message>
        <source>删除多余空格</source>
        <translation>Quitar espacios sobrantes</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escribir</translation>
    </message>
    <message>
        <source>启用打字模式</source>
        <translation>Modo de escritura</translation>
    </message>
    <message>
        <source>高亮显示</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>当前行</source>
        <translation>Línea actual</translation>
    </message>
    <message>
        <source>当前句</source>
        <translation>Frase actual</translation>
    </message>
    <message>
        <source>当前段落</source>
        <translation>Párrafo actual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Desplazamiento fijo</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar la línea actual</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Seguir el sistema</translation>
    </message>
    <message>
        <source>默认白</source>
        <translation>Blanco predeterminado</translation>
    </message>
    <message>
        <source>默认黑</source>
        <translation>Negro predeterminado</translation>
    </message>
    <message>
        <source>淑女粉</source>
        <translation>Rosa empolvado</translation>
    </message>
    <message>
        <source>清爽绿</source>
        <translation>Verde fresco</translation>
    </message>
    <message>
        <source>苍穹蓝</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>入门模式</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>简单模式</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>普通模式</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>困难模式</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>地狱模式</source>
        <translation>Infierno</translation>
    </message>
    <message>
        <source>第一关</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>第二关</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>第三关</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>第四关</source>
        <translation>Nivel 4</translation>
    </message>
    <message>
        <source>第五关</source>
        <translation>Nivel 5</translation>
    </message>
    <message>
        <source>第六关</source>
        <translation>Nivel 6</translation>
    </message>
    <message>
        <source>第七关</source>
        <translation>Nivel 7</translation>
    </message>
    <message>
        <source>第八关</source>
        <translation>Nivel 8</translation>
    </message>
    <message>
        <source>第九关</source>
        <translation>Nivel 9</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Usuario o contraseña incorrectos</translation>
    </message>
    <message>
        <source>登录信息无效,请登录.</source>
        <translation>Datos de inicio de sesión no válidos, inicie sesión.</translation>
    </message>
    <message>
        <source>服务器答复：未找到</source>
        <translation>Respuesta del servidor: no encontrado</translation>
    </message>
    <message>
        <source>编辑框</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Seguir el sistema</translation>
    </message>
    <message>
        <source>暗色主题</source>
        <translation>Tema oscuro</translation>
    </message>
    <message>
        <source>亮色主题</source>
        <translation>Tema claro</translation>
    </message>
    <message>
        <source>柔绿主题</source>
        <translation>Tema verde suave</translation>
    </message>
    <message>
        <source>粉色主题</source>
        <translation>Tema rosa</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>自适应宽度</source>
        <translation>Ancho adaptable</translation>
    </message>
    <message>
        <source>固定宽度</source>
        <translation>Ancho fijo</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>固定页面宽度（像素）</source>
        <translation>Ancho de página fijo (píxeles)</translation>
    </message>
    <message>
        <source>固定每行字数（汉字）</source>
        <translation>Número fijo de caracteres por línea</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Ventana siempre visible</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Tarjeta de estadísticas</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>选择本章</source>
        <translation>Seleccionar este capítulo</translation>
    </message>
    <message>
        <source>Lumo模式</source>
        <translation>Modo Lumo</translation>
    </message>
    <message>
        <source>神搜</source>
        <translation>Búsqueda profunda</translation>
    </message>
    <message>
        <source>章节</source>
        <translation>Capítulos</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
    <message>
        <source>闯关</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palabras sensibles</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Añadir título de capítulo</translation>
    </message>
    <message>
        <source>极简模式</source>
        <translation>Modo minimalista</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>放大字体</source>
        <translation>Aumentar fuente</translation>
    </message>
    <message>
        <source>缩小字体</source>
        <translation>Reducir fuente</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>QQuickFolderListModel</name>
    <message>
        <source>重命名失败，请检查是否有重名或者文件夹是否有写权限</source>
        <translation>No se pudo cambiar el nombre. Compruebe si el nombre ya existe y si la carpeta admite escritura.</translation>
    </message>
</context>
<context>
    <name>RankingHallModel</name>
    <message>
        <source>请先登录</source>
        <translation>Inicie sesión primero</translation>
    </message>
    <message>
        <source>请输入房间名</source>
        <translation>Introduzca un nombre de sala</translation>
    </message>
    <message>
        <source>请输入房间密码</source>
        <translation>Introduzca la contraseña de la sala</translation>
    </message>
    <message>
        <source>房间名已存在</source>
        <translation>Ese nombre de sala ya existe</translation>
    </message>
    <message>
        <source>创建成功</source>
        <translation>Sala creada</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>No se pudo crear la sala</translation>
    </message>
    <message>
        <source>房间名不能包含“/”</source>
        <translation>El nombre de la sala no puede contener «/»</translation>
    </message>
    <message>
        <source>房间名不能包含控制字符</source>
        <translation>El nombre de la sala no puede contener caracteres de control</translation>
    </message>
    <message>
        <source>房间名不能是“.”或“..”</source>
        <translation>El nombre de la sala no puede ser «.» ni «..»</translation>
    </message>
    <message numerus="yes">
        <source>房间名不能超过 %n 个字符</source>
        <translation>
            <numerusform>El nombre de la sala no puede tener más de %n carácter</numerusform>
            <numerusform>El nombre de la sala no puede tener más de %n caracteres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RankingPage</name>
    <message>
        <source>暂不可用</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>拼字</source>
        <translation>Salas de escritura</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Inicie sesión primero</translation>
    </message>
    <message>
        <source>拼字大厅</source>
        <translation>Todas las salas</translation>
    </message>
    <message>
        <source>菜单</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>创建房间</source>
        <translation>Crear sala</translation>
    </message>
    <message>
        <source>刷新大厅</source>
        <translation>Actualizar salas</translation>
    </message>
    <message>
        <source>未配置服务器地址，拼字房间不可用。</source>
        <translation>No hay dirección de servidor configurada; las salas de escritura no están disponibles.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Ha salido de la sala %1</translation>
    </message>
    <message>
        <source>已进入 %1 房间</source>
        <translation>Ha entrado en la sala %1</translation>
    </message>
    <message>
        <source>房间</source>
        <translation>Sala</translation>
    </message>
    <message>
        <source>离开房间</source>
        <translation>Salir de la sala</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>字数</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>minutos</translation>
    </message>
</context>
<context>
    <name>RoomPasswordSheet</name>
    <message>
        <source>请输入房间密码</source>
        <translation>Introduzca la contraseña de la sala</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Introduzca una contraseña</translation>
    </message>
    <message>
        <source>密码错误</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>在此输入房间密码</source>
        <translation>Escriba aquí la contraseña de la sala</translation>
    </message>
    <message>
        <source>房间“%1”需要输入房主指定的密码方可进入。</source>
        <translation>Para entrar en la sala «%1», introduzca la contraseña que fijó su dueño.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Not a supported RTF file.</source>
        <translation>No es un archivo RTF compatible.</translation>
    </message>
</context>
<context>
    <name>RtfTokenizer</name>
    <message>
        <source>Unexpectedly reached end of file.</source>
        <translation>Fin de archivo inesperado.</translation>
    </message>
</context>
<context>
    <name>SettingButton</name>
    <message>
        <source>设置</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palabras sensibles</translation>
    </message>
    <message>
        <source>笔记</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>在光标处添加章节名</source>
        <translation>Insertar título de capítulo en el cursor</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formato con un clic</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>无法保存设置：</source>
        <translation>No se pueden guardar los ajustes: </translation>
    </message>
    <message>
        <source>设置文件中无法读取的行已略过，其余设置照常读取：</source>
        <translation>Se omitieron las líneas ilegibles del archivo de ajustes; los demás ajustes se leyeron con normalidad: </translation>
    </message>
</context>
<context>
    <name>SettingsLock</name>
    <message>
        <source>设置文件被另一个程序锁定，本次运行中的设置更改不会保存：</source>
        <translation>Otro programa ha bloqueado el archivo de ajustes; los cambios de ajustes de esta sesión no se guardarán: </translation>
    </message>
    <message>
        <source>设置文件过大，未读取，本次运行使用默认设置且不保存更改：</source>
        <translation>El archivo de ajustes es demasiado grande y no se leyó; esta sesión usa los ajustes predeterminados y no guarda cambios: </translation>
    </message>
    <message>
        <source>无法在临时文件夹中建立链接</source>
        <translation>no se puede crear un enlace en la carpeta temporal</translation>
    </message>
</context>
<context>
    <name>SheetWindow</name>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ShortcutBox</name>
    <message>
        <source>请按下快捷键</source>
        <translation>Pulse un atajo</translation>
    </message>
</context>
<context>
    <name>ShutdownWindow</name>
    <message>
        <source>保存所有文档后关闭计算机。</source>
        <translation>Guardar todos los documentos y apagar el equipo.</translation>
    </message>
    <message>
        <source>保存所有文档后重新启动计算机。</source>
        <translation>Guardar todos los documentos y reiniciar el equipo.</translation>
    </message>
    <message>
        <source>关机</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>希望计算机做什么？</source>
        <translation>¿Qué debe hacer el equipo?</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Reiniciar</translation>
    </message>
</context>
<context>
    <name>SkinButton</name>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>StoreRefusal</name>
    <message>
        <source>服务器拒绝了请求 (%1)</source>
        <translation>El servidor rechazó la solicitud (%1)</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>desconocida</translation>
    </message>
    <message>
        <source>本机时钟与服务器相差太多（本机时间 %1，服务器时间 %2），请校准本机时钟</source>
        <translation>El reloj de este equipo difiere demasiado del del servidor (este equipo: %1, servidor: %2); ajuste el reloj</translation>
    </message>
</context>
<context>
    <name>SubtlePage</name>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palabras sensibles</translation>
    </message>
    <message>
        <source>开始过滤</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>文档是空的，不用过滤</source>
        <translation>El documento está vacío; no hay nada que filtrar</translation>
    </message>
    <message>
        <source>文档未保存，请保存文档后再过滤</source>
        <translation>El documento no está guardado. Guárdelo antes de filtrar</translation>
    </message>
    <message>
        <source>自定义敏感词</source>
        <translation>Sus palabras sensibles</translation>
    </message>
    <message>
        <source>每行一个词</source>
        <translation>Una palabra por línea</translation>
    </message>
    <message>
        <source>程序内置两套敏感词库：轻度过滤使用第一套，重度过滤同时使用两套。三个级别都会加上左侧框中的自定义敏感词，每行一个，可以直接粘贴，保存时会去掉重复的词。选项在开始过滤或关闭本窗口时保存。过滤前的文本可以从文档的历史记录中找回。</source>
        <translation>El programa trae dos listas de palabras sensibles: el filtrado ligero usa la primera y el estricto ambas. Los tres niveles añaden las palabras propias del cuadro de la izquierda, una por línea; se pueden pegar y las repetidas se quitan al guardar. Las opciones se guardan al empezar a filtrar o al cerrar esta ventana. El texto anterior al filtrado se recupera desde el historial del documento.</translation>
    </message>
    <message>
        <source>标记方式</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>编辑文档时自动标红</source>
        <translation>Marcar en rojo al editar</translation>
    </message>
    <message>
        <source>仅手动过滤时标红</source>
        <translation>Marcar en rojo solo al filtrar</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>轻度过滤</source>
        <translation>Ligero</translation>
    </message>
    <message>
        <source>重度过滤</source>
        <translation>Estricto</translation>
    </message>
    <message>
        <source>仅自定义</source>
        <translation>Solo propias</translation>
    </message>
    <message>
        <source>过滤方式</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>仅标红</source>
        <translation>Solo rojo</translation>
    </message>
    <message>
        <source>分割线</source>
        <translation>Guiones</translation>
    </message>
    <message>
        <source>星号</source>
        <translation>Asteriscos</translation>
    </message>
    <message>
        <source>拼音</source>
        <translation>Pinyin</translation>
    </message>
    <message>
        <source>喵星语</source>
        <translation>Miau</translation>
    </message>
    <message>
        <source>汪星语</source>
        <translation>Guau</translation>
    </message>
</context>
<context>
    <name>TargetPage</name>
    <message>
        <source>写作目标</source>
        <translation>Objetivo de escritura</translation>
    </message>
    <message>
        <source>锁定字数不能小于当前锁定字数</source>
        <translation>El bloqueo por palabras no puede ser menor que el actual</translation>
    </message>
    <message>
        <source>锁定时间不能小于当前锁定时间</source>
        <translation>El bloqueo por tiempo no puede ser más corto que el actual</translation>
    </message>
    <message>
        <source>请输入锁定时间或者字数</source>
        <translation>Introduzca un tiempo o un número de palabras de bloqueo</translation>
    </message>
    <message>
        <source>锁定字数(字)</source>
        <translation>Bloqueo (palabras)</translation>
    </message>
    <message>
        <source>锁定时间(分钟)</source>
        <translation>Bloqueo (minutos)</translation>
    </message>
    <message>
        <source>锁定之后，您将不能退出软件，必须正式完成自己设定的值，等待不会对锁定时间起效，同理乱打大量复制粘贴也不会对锁定字数起效。锁定的时间和字数每20秒统计一次。</source>
        <translation>Con el bloqueo activo no podrá salir del programa hasta alcanzar de verdad los valores fijados. Esperar no cuenta para el tiempo, y teclear al azar o copiar y pegar en masa no cuenta para las palabras. El tiempo y las palabras se cuentan cada 20 segundos.</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>主题</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>ThroughGame</name>
    <message>
        <source>积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>恭喜，闯关成功！！！撒花！！！</source>
        <translation>¡¡¡Enhorabuena, desafío superado!!!</translation>
    </message>
    <message>
        <source>成功，自动转入下一关。</source>
        <translation>¡Superado! Pasando al siguiente nivel.</translation>
    </message>
    <message>
        <source>挑战失败!</source>
        <translation>¡Desafío fallido!</translation>
    </message>
</context>
<context>
    <name>ThroughLabel</name>
    <message>
        <source>剩余字数</source>
        <translation>Palabras restantes</translation>
    </message>
    <message>
        <source>剩余时间:</source>
        <translation>Tiempo restante:</translation>
    </message>
</context>
<context>
    <name>ThroughPage</name>
    <message>
        <source>Challenge</source>
        <translation>Desafío</translation>
    </message>
    <message>
        <source>您的剩余积分不够支付本次闯关门票，快去领一些积分吧!</source>
        <translation>No tiene puntos suficientes para la entrada de este desafío. ¡Consiga algunos!</translation>
    </message>
    <message>
        <source>如果中途退出，扣除的积分不返还。</source>
        <translation>Si abandona a mitad, los puntos no se devuelven.</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
    <message>
        <source>现有积分</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>未登录</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>闯关信息载入失败,请稍后再试</source>
        <translation>No se pudo cargar el desafío; inténtelo más tarde</translation>
    </message>
    <message>
        <source>正在刷新...</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>门票</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>通关奖励</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>通关条件</source>
        <translation>Condición</translation>
    </message>
    <message>
        <source>放弃</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>进行中</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>失败</source>
        <translation>Fallido</translation>
    </message>
    <message>
        <source>目标</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>奖励积分</source>
        <translation>Puntos de premio</translation>
    </message>
    <message>
        <source>剩余字数</source>
        <translation>Palabras restantes</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Tiempo restante</translation>
    </message>
    <message numerus="yes">
        <source>确定花费%n积分，进入该闯关模式吗？</source>
        <translation>
            <numerusform>¿Gastar %n punto para entrar en este modo de desafío?</numerusform>
            <numerusform>¿Gastar %n puntos para entrar en este modo de desafío?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>需要在最多%1小时内完成9关，共%n字的挑战</source>
        <translation>
            <numerusform>Desafío: 9 niveles, %n palabra en total, en %1 horas como máximo</numerusform>
            <numerusform>Desafío: 9 niveles, %n palabras en total, en %1 horas como máximo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ThroughTipsDialog</name>
    <message>
        <source>提示</source>
        <translation>Avisos</translation>
    </message>
</context>
<context>
    <name>TransferCheck</name>
    <message>
        <source>收到的内容长度不对</source>
        <translation>Lo recibido no tiene la longitud correcta</translation>
    </message>
    <message>
        <source>无法校验收到的内容</source>
        <translation>No se puede verificar lo recibido</translation>
    </message>
    <message>
        <source>收到的内容与校验值不符</source>
        <translation>Lo recibido no coincide con su suma de comprobación</translation>
    </message>
    <message>
        <source>云端没有确认收到的内容</source>
        <translation>La nube no confirmó lo recibido</translation>
    </message>
    <message>
        <source>云端收到的内容与发送的不符</source>
        <translation>La nube recibió algo distinto de lo enviado</translation>
    </message>
</context>
<context>
    <name>TxtReader</name>
    <message>
        <source>Unable to read the file.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
</context>
<context>
    <name>UserDatas</name>
    <message>
        <source>积分获取失败</source>
        <translation>No se pudieron obtener los puntos</translation>
    </message>
    <message>
        <source>错误码</source>
        <translation>Código de error</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>没有文件名</source>
        <translation>Sin nombre de archivo</translation>
    </message>
    <message>
        <source>同名的文件夹已存在</source>
        <translation>Ya existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>文件已存在</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>写入磁盘的文件不完整</source>
        <translation>El archivo escrito en el disco está incompleto</translation>
    </message>
</context>
<context>
    <name>UserInfo</name>
    <message>
        <source>密码已失效（可能已在别处修改），已退出登录，请重新登录</source>
        <translation>La contraseña ya no es válida (puede que se haya cambiado en otro lugar). Se ha cerrado la sesión; vuelva a iniciarla.</translation>
    </message>
    <message>
        <source>请输入用户名</source>
        <translation>Introduzca un nombre de usuario</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Introduzca una contraseña</translation>
    </message>
    <message>
        <source>服务端暂时关闭了注册通道</source>
        <translation>El registro está cerrado temporalmente en el servidor</translation>
    </message>
    <message>
        <source>出错</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>验证码不正确</source>
        <translation>Código de verificación incorrecto</translation>
    </message>
    <message>
        <source>密码不匹配</source>
        <translation>Las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>用户名已被占用</source>
        <translation>Ese nombre de usuario ya está en uso</translation>
    </message>
    <message>
        <source>邮箱地址已被使用</source>
        <translation>Ese correo ya está en uso</translation>
    </message>
    <message>
        <source>此用户名是被保留的</source>
        <translation>Ese nombre de usuario está reservado</translation>
    </message>
    <message>
        <source>用户名格式不正确</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
    <message>
        <source>等待验证邮箱</source>
        <translation>Esperando la verificación del correo</translation>
    </message>
    <message>
        <source>用户名或密码错误</source>
        <translation>Usuario o contraseña incorrectos</translation>
    </message>
    <message>
        <source>Your profile has been updated successfully.</source>
        <translation>Se actualizó su perfil.</translation>
    </message>
    <message>
        <source>Your avatar setting has been updated successfully.</source>
        <translation>Se actualizó su avatar.</translation>
    </message>
    <message>
        <source>Email address is not a valid email address.</source>
        <translation>La dirección de correo no es válida.</translation>
    </message>
    <message>
        <source>网络访问被禁用。</source>
        <translation>El acceso a la red está desactivado.</translation>
    </message>
    <message>
        <source>上传的文件不是一张图片</source>
        <translation>El archivo subido no es una imagen</translation>
    </message>
    <message>
        <source>正在登录...</source>
        <translation>Iniciando sesión…</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Please login first!</source>
        <translation>¡Inicie sesión primero!</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>上传超时</source>
        <translation>Tiempo de subida agotado</translation>
    </message>
</context>
<context>
    <name>WindowsMenuBar</name>
    <message>
        <source>强制退出</source>
        <translation>Forzar salida</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Abrir reciente</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Borrar lista</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>导入文件夹</source>
        <translation>Importar carpeta</translation>
    </message>
    <message>
        <source>导入文件</source>
        <translation>Importar archivos</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>显示 文件</source>
        <translation>Ver archivos</translation>
    </message>
    <message>
        <source>显示 自动章节</source>
        <translation>Ver capítulos</translation>
    </message>
    <message>
        <source>显示 字数统计</source>
        <translation>Ver recuento de palabras</translation>
    </message>
    <message>
        <source>显示 拼字</source>
        <translation>Ver salas de escritura</translation>
    </message>
    <message>
        <source>显示 我</source>
        <translation>Ver mi cuenta</translation>
    </message>
    <message>
        <source>窗口置顶</source>
        <translation>Ventana siempre visible</translation>
    </message>
    <message>
        <source>退出 极简 模式</source>
        <translation>Salir del modo minimalista</translation>
    </message>
    <message>
        <source>进入 极简 模式</source>
        <translation>Entrar en modo minimalista</translation>
    </message>
    <message>
        <source>退出 Lumo 模式</source>
        <translation>Salir del modo Lumo</translation>
    </message>
    <message>
        <source>进入 Lumo 模式</source>
        <translation>Entrar en modo Lumo</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Tarjeta de estadísticas</translation>
    </message>
    <message>
        <source>过滤敏感词</source>
        <translation>Filtrar palabras sensibles</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>添加章节名</source>
        <translation>Añadir título de capítulo</translation>
    </message>
    <message>
        <source>一键排版</source>
        <translation>Formato con un clic</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
    <message>
        <source>打字机模式</source>
        <translation>Modo máquina de escribir</translation>
    </message>
    <message>
        <source>启动打字机模式</source>
        <translation>Activar el modo máquina de escribir</translation>
    </message>
    <message>
        <source>高亮显示当前行</source>
        <translation>Resaltar la línea actual</translation>
    </message>
    <message>
        <source>固定滚动</source>
        <translation>Desplazamiento fijo</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>可变</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>标记当前行</source>
        <translation>Marcar la línea actual</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>显示 闯关</source>
        <translation>Ver desafío</translation>
    </message>
    <message>
        <source>显示 笔记</source>
        <translation>Ver notas</translation>
    </message>
</context>
<context>
    <name>WindowsTitleBar</name>
    <message>
        <source>最小化</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>WordCountPage</name>
    <message>
        <source>字数统计</source>
        <translation>Recuento de palabras</translation>
    </message>
    <message>
        <source>元</source>
        <translation>yuanes</translation>
    </message>
    <message>
        <source>字数统计功能菜单</source>
        <translation>Menú del recuento de palabras</translation>
    </message>
    <message>
        <source>统计卡片</source>
        <translation>Tarjeta de estadísticas</translation>
    </message>
    <message>
        <source>字体大小</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>同步字数</source>
        <translation>Sincronizar recuentos</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Inicie sesión primero</translation>
    </message>
    <message>
        <source>文档统计</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>总字数</source>
        <translation>Total de palabras</translation>
    </message>
    <message>
        <source>总字数(无空格)</source>
        <translation>Total de palabras (sin espacios)</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Dígitos</translation>
    </message>
    <message>
        <source>空格数</source>
        <translation>Espacios</translation>
    </message>
    <message>
        <source>汉字数</source>
        <translation>Caracteres chinos</translation>
    </message>
    <message>
        <source>单词数</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>段落数</source>
        <translation>Párrafos</translation>
    </message>
    <message>
        <source>今时今日</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>今日字数</source>
        <translation>Palabras de hoy</translation>
    </message>
    <message>
        <source>今日速度</source>
        <translation>Velocidad de hoy</translation>
    </message>
    <message>
        <source>今日用时</source>
        <translation>Tiempo de hoy</translation>
    </message>
    <message>
        <source>今日稿费</source>
        <translation>Pago de hoy</translation>
    </message>
    <message>
        <source>本周统计</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>本周字数</source>
        <translation>Palabras de la semana</translation>
    </message>
    <message>
        <source>本周速度</source>
        <translation>Velocidad de la semana</translation>
    </message>
    <message>
        <source>本周用时</source>
        <translation>Tiempo de la semana</translation>
    </message>
    <message>
        <source>本周稿费</source>
        <translation>Pago de la semana</translation>
    </message>
    <message>
        <source>月度统计</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>本月字数</source>
        <translation>Palabras del mes</translation>
    </message>
    <message>
        <source>本月速度</source>
        <translation>Velocidad del mes</translation>
    </message>
    <message>
        <source>本月用时</source>
        <translation>Tiempo del mes</translation>
    </message>
    <message>
        <source>本月稿费</source>
        <translation>Pago del mes</translation>
    </message>
    <message>
        <source>年度统计</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>今年字数</source>
        <translation>Palabras del año</translation>
    </message>
    <message>
        <source>今年速度</source>
        <translation>Velocidad del año</translation>
    </message>
    <message>
        <source>今年用时</source>
        <translation>Tiempo del año</translation>
    </message>
    <message>
        <source>年度稿费</source>
        <translation>Pago del año</translation>
    </message>
    <message>
        <source>设置字体大小</source>
        <translation>Ajustar el tamaño de letra</translation>
    </message>
    <message>
        <source>字号</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message numerus="yes">
        <source>%n 字</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 字/分钟</source>
        <translation>
            <numerusform>%n palabra/min</numerusform>
            <numerusform>%n palabras/min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>bot</name>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>No se puede guardar el archivo de caché: </translation>
    </message>
</context>
<context>
    <name>cloudDisk</name>
    <message>
        <source>没有登陆</source>
        <translation>Sin iniciar sesión</translation>
    </message>
    <message>
        <source>设置中取消了云同步功能</source>
        <translation>La sincronización está desactivada en los ajustes</translation>
    </message>
    <message>
        <source>另一个云同步线程正在运行</source>
        <translation>Ya hay otra sincronización en marcha</translation>
    </message>
    <message>
        <source>云同步</source>
        <translation>Sincronización en la nube</translation>
    </message>
    <message>
        <source>云同步开始</source>
        <translation>Sincronización iniciada</translation>
    </message>
    <message>
        <source>有冲突文件待处理</source>
        <translation>Hay archivos en conflicto pendientes</translation>
    </message>
    <message>
        <source>同步完成</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>云同步:有冲突文件待处理</source>
        <translation>Sincronización: hay archivos en conflicto pendientes</translation>
    </message>
    <message>
        <source>Not logged in:</source>
        <translation>Sin iniciar sesión:</translation>
    </message>
    <message>
        <source>正在上传文件</source>
        <translation>Subiendo archivos</translation>
    </message>
    <message>
        <source>文件上传结束</source>
        <translation>Subida terminada</translation>
    </message>
    <message>
        <source>正在下载文件</source>
        <translation>Descargando archivos</translation>
    </message>
    <message>
        <source>文件下载结束</source>
        <translation>Descarga terminada</translation>
    </message>
    <message>
        <source>正在下载冲突文件</source>
        <translation>Descargando archivos en conflicto</translation>
    </message>
    <message>
        <source>下载冲突文件结束</source>
        <translation>Archivos en conflicto descargados</translation>
    </message>
    <message>
        <source>删除元数据失败</source>
        <translation>No se pudieron eliminar los metadatos</translation>
    </message>
    <message>
        <source>删除远程文件失败</source>
        <translation>No se pudo eliminar el archivo remoto</translation>
    </message>
    <message>
        <source>删除远程文件失败:</source>
        <translation>No se pudo eliminar el archivo remoto:</translation>
    </message>
    <message>
        <source>上传失败</source>
        <translation>Error al subir</translation>
    </message>
    <message>
        <source>上传失败:</source>
        <translation>Error al subir:</translation>
    </message>
    <message>
        <source>更新元数据失败</source>
        <translation>No se pudieron actualizar los metadatos</translation>
    </message>
    <message>
        <source>更新元数据失败:</source>
        <translation>No se pudieron actualizar los metadatos:</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Error al descargar</translation>
    </message>
    <message>
        <source>下载失败:</source>
        <translation>Error al descargar:</translation>
    </message>
    <message>
        <source>删除文件不存在</source>
        <translation>El archivo que se iba a eliminar no existe</translation>
    </message>
    <message>
        <source>删除文件不存在::</source>
        <translation>El archivo que se iba a eliminar no existe::</translation>
    </message>
    <message>
        <source>删除文件失败</source>
        <translation>No se pudo eliminar el archivo</translation>
    </message>
    <message>
        <source>删除文件失败:</source>
        <translation>No se pudo eliminar el archivo:</translation>
    </message>
    <message>
        <source>写文件失败</source>
        <translation>No se pudo escribir el archivo</translation>
    </message>
    <message>
        <source>写文件失败:</source>
        <translation>No se pudo escribir el archivo:</translation>
    </message>
    <message>
        <source>写元数据失败</source>
        <translation>No se pudieron escribir los metadatos</translation>
    </message>
    <message>
        <source>写元数据失败:</source>
        <translation>No se pudieron escribir los metadatos:</translation>
    </message>
    <message>
        <source>写入文件失败:</source>
        <translation>No se pudo escribir el archivo:</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>conflicto</translation>
    </message>
    <message>
        <source>已退出登录，同步已停止</source>
        <translation>Sesión cerrada; la sincronización se detuvo</translation>
    </message>
    <message>
        <source>云同步已关闭，同步已停止</source>
        <translation>Sincronización en la nube desactivada; la sincronización se detuvo</translation>
    </message>
    <message>
        <source>程序退出，同步已停止</source>
        <translation>El programa se cierra; la sincronización se detuvo</translation>
    </message>
    <message>
        <source>账号已切换，同步已停止</source>
        <translation>La cuenta cambió; la sincronización se detuvo</translation>
    </message>
    <message>
        <source>文档目录已更换，同步已停止</source>
        <translation>La carpeta de documentos cambió; la sincronización se detuvo</translation>
    </message>
    <message>
        <source>网络连接失败</source>
        <translation>La conexión de red falló</translation>
    </message>
    <message>
        <source>同步中断</source>
        <translation>Sincronización interrumpida</translation>
    </message>
    <message>
        <source>同步中断:</source>
        <translation>Sincronización interrumpida:</translation>
    </message>
    <message>
        <source>文件在同步时被修改</source>
        <translation>El archivo se modificó durante la sincronización</translation>
    </message>
    <message>
        <source>文件在同步时被修改:</source>
        <translation>El archivo se modificó durante la sincronización:</translation>
    </message>
    <message>
        <source>文档目录上次由另一个账号同步，等待选择</source>
        <translation>La carpeta de documentos la sincronizó por última vez otra cuenta; esperando su elección</translation>
    </message>
    <message>
        <source>无法读取本地文件</source>
        <translation>No se pudo leer el archivo local</translation>
    </message>
    <message>
        <source>无法保存历史记录</source>
        <translation>No se pudo guardar la copia del historial</translation>
    </message>
    <message>
        <source>同步结束，有文件未能同步</source>
        <translation>Sincronización terminada, algunos archivos no se pudieron sincronizar</translation>
    </message>
    <message>
        <source>云同步结束，有文件未能同步:</source>
        <translation>Sincronización en la nube terminada, algunos archivos no se pudieron sincronizar:</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>data</name>
    <message>
        <source>字数统计保存失败</source>
        <translation>No se pudieron guardar las estadísticas</translation>
    </message>
    <message>
        <source>please login first</source>
        <translation>Inicie sesión primero</translation>
    </message>
    <message>
        <source>同步本周字数成功(无变更)</source>
        <translation>Palabras de la semana sincronizadas (sin cambios)</translation>
    </message>
    <message>
        <source>同步本月字数成功(无变更)</source>
        <translation>Palabras del mes sincronizadas (sin cambios)</translation>
    </message>
    <message>
        <source>同步今年字数成功(无变更)</source>
        <translation>Palabras del año sincronizadas (sin cambios)</translation>
    </message>
    <message>
        <source>同步今日字数成功(无变更)</source>
        <translation>Palabras de hoy sincronizadas (sin cambios)</translation>
    </message>
    <message>
        <source>同步今日字数失败</source>
        <translation>No se pudieron sincronizar las palabras de hoy</translation>
    </message>
    <message>
        <source>同步今日字数成功(已上传)</source>
        <translation>Palabras de hoy sincronizadas (subidas)</translation>
    </message>
</context>
<context>
    <name>fileordermaplist</name>
    <message>
        <source>无法保存书籍顺序：</source>
        <translation>No se puede guardar el orden de los libros: </translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>第%1章</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>NewBook</source>
        <translation>LibroNuevo</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>没有选中的文件</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>只能删除文档文件夹中的文件：%1</source>
        <translation>Solo se pueden eliminar archivos de la carpeta de documentos: %1</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件未删除：%1</source>
        <translation>No se pudo guardar el historial; archivo no eliminado: %1</translation>
    </message>
    <message>
        <source>删除失败：%1</source>
        <translation>Error al eliminar: %1</translation>
    </message>
    <message>
        <source>无法保存历史记录，文件夹未删除：%1</source>
        <translation>No se pudo guardar el historial; carpeta no eliminada: %1</translation>
    </message>
    <message>
        <source>无法重命名</source>
        <translation>No se puede cambiar el nombre</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件已存在</source>
        <translation>No se puede cambiar el nombre: ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>无法重命名，指定名称的文件夹已存在</source>
        <translation>No se puede cambiar el nombre: ya existe una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>新笔记 %1</source>
        <translation>Nota nueva %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>无法读取历史记录：%1</source>
        <translation>No se pudo leer el historial: %1</translation>
    </message>
    <message>
        <source>无法保存当前内容的历史记录，未恢复：%1</source>
        <translation>No se pudo guardar el contenido actual en el historial; no se restauró nada: %1</translation>
    </message>
    <message>
        <source>恢复失败：%1</source>
        <translation>Error al restaurar: %1</translation>
    </message>
    <message>
        <source>根目录</source>
        <translation>Carpeta raíz</translation>
    </message>
    <message>
        <source>已存在相同内容，未导入：%1</source>
        <translation>El mismo contenido ya existe; no importado: %1</translation>
    </message>
    <message>
        <source>未能导入：%1</source>
        <translation>No se pudo importar: %1</translation>
    </message>
    <message>
        <source>Directory not exists</source>
        <translation>La carpeta no existe</translation>
    </message>
    <message>
        <source>目标文件夹不在文件目录下, 默认导入到文件目录下</source>
        <translation>La carpeta de destino no está en la de documentos; se importará en la carpeta de documentos</translation>
    </message>
    <message>
        <source>您要导入的文件夹与目标文件夹相同,不用导入这个文件夹</source>
        <translation>La carpeta que importa es la misma de destino; no hay nada que importar</translation>
    </message>
    <message>
        <source>不能导出到书中的文档：%1</source>
        <translation>No se puede exportar a un documento del libro: %1</translation>
    </message>
    <message>
        <source>导出失败：%1</source>
        <translation>Error al exportar: %1</translation>
    </message>
    <message>
        <source>文档名须以“.txt”或“.md”结尾</source>
        <translation>El nombre del documento debe terminar en «.txt» o «.md»</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>不在文件目录内</source>
        <translation>No está en la carpeta de documentos</translation>
    </message>
    <message>
        <source>没有空闲的文件名</source>
        <translation>No queda ningún nombre de archivo libre</translation>
    </message>
    <message>
        <source>File not exists</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>不能覆盖文档库中已有的文件：%1</source>
        <translation>No se puede sobrescribir un archivo que ya está en la biblioteca: %1</translation>
    </message>
    <message>
        <source>是否确认删除书“%1”及其中的全部文档？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>¿Eliminar el libro «%1» y todos sus documentos? Las copias hechas antes de eliminar se guardan en el historial (Herramientas → Historial).</translation>
    </message>
    <message>
        <source>是否确认删除“%1”？删除前的副本保存在历史记录中（工具 → 历史记录）。</source>
        <translation>¿Eliminar «%1»? Una copia hecha antes de eliminar se guarda en el historial (Herramientas → Historial).</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件导入到 %1</source>
        <translation>
            <numerusform>%n archivo importado en %1</numerusform>
            <numerusform>%n archivos importados en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>以下文件不保存副本，删除后无法恢复：%1</source>
        <translation>De estos archivos no se guarda copia y no se podrán recuperar tras eliminarlos: %1</translation>
    </message>
    <message>
        <source>是否要删除“%1”？删除后不能恢复。</source>
        <translation>¿Eliminar «%1»? No se podrá recuperar.</translation>
    </message>
    <message numerus="yes">
        <source>……以及另外 %n 个文件</source>
        <translation>
            <numerusform>… y %n archivo más</numerusform>
            <numerusform>… y %n archivos más</numerusform>
        </translation>
    </message>
    <message>
        <source>未恢复：</source>
        <translation>No restaurado: </translation>
    </message>
    <message>
        <source>无法确定“%1”属于哪个文档</source>
        <translation>No se puede saber a qué documento pertenece «%1»</translation>
    </message>
    <message>
        <source>多个文档名为“%1”：请在文件树中该文档的历史记录里恢复</source>
        <translation>Varios documentos se llaman «%1»: restáurelo desde el historial de ese documento en el árbol de archivos</translation>
    </message>
    <message>
        <source>此文件含有不属于 %1 编码的字节，不会被改写</source>
        <translation>Este archivo contiene bytes que no son texto %1; no se escribe</translation>
    </message>
</context>
<context>
    <name>function</name>
    <message>
        <source>无此功能</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Do you confirm deletion? Deleted files will not be recovered.</source>
        <translation>¿Confirma la eliminación? Los archivos eliminados no se podrán recuperar.</translation>
    </message>
    <message>
        <source>复制失败：</source>
        <translation>Error al copiar: </translation>
    </message>
    <message>
        <source>移动失败：</source>
        <translation>Error al mover: </translation>
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
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>你好:</source>
        <translation>Hola:</translation>
    </message>
    <message>
        <source>关于%1，我有一些建议。</source>
        <translation>Tengo algunas sugerencias sobre %1.</translation>
    </message>
    <message>
        <source>(系统版本:%1  软件版本:%2)</source>
        <translation>(Versión del sistema: %1  Versión del programa: %2)</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>La carpeta no existe</translation>
    </message>
    <message>
        <source>这是一个文件，不是文件夹</source>
        <translation>Es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>这是文件系统的根目录</source>
        <translation>Es la carpeta raíz del sistema de archivos</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>Sin permiso de escritura</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。已改用默认文件夹。</source>
        <translation>No se puede usar la carpeta de documentos %1: %2. Se usa la carpeta predeterminada.</translation>
    </message>
    <message>
        <source>不能使用文档文件夹 %1：%2。</source>
        <translation>No se puede usar la carpeta de documentos %1: %2.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>打卡</source>
        <translation>Registro diario</translation>
    </message>
    <message>
        <source>闯关正在进行中，如果此时退出，直接判定闯关失败，扣除的闯关门票不退还。确定要退出吗？</source>
        <translation>Hay un desafío en curso. Salir ahora cuenta como perderlo y la entrada no se devuelve. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>尚有正在进行中的闯关:</source>
        <translation>Todavía hay un desafío en curso:</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>关卡</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>点击确定，重进进入闯关模式，不需要门票。点击取消，放弃闯关，之前支付的门票积分不予退还。</source>
        <translation>Aceptar vuelve al desafío sin pagar de nuevo. Cancelar lo abandona; los puntos pagados por la entrada no se devuelven.</translation>
    </message>
    <message>
        <source>按 %1 键即可退出Lumo模式</source>
        <translation>Pulse %1 para salir del modo Lumo</translation>
    </message>
    <message>
        <source>窗口已置顶</source>
        <translation>La ventana queda siempre visible</translation>
    </message>
    <message>
        <source>窗口已取消置顶</source>
        <translation>La ventana ya no queda siempre visible</translation>
    </message>
    <message>
        <source>锁定状态不能取消窗口置顶</source>
        <translation>Durante el bloqueo la ventana debe quedar visible</translation>
    </message>
    <message>
        <source>锁定状态不能退出程序</source>
        <translation>No se puede salir durante el bloqueo</translation>
    </message>
    <message>
        <source>有文档未能保存，程序没有退出。再次退出时，未保存的内容会另存一份副本，下次启动时告知存放位置。</source>
        <translation>No se pudo guardar un documento, así que el programa no se cerró. Si vuelve a salir, el texto sin guardar se copiará en otro lugar y el próximo inicio le dirá dónde.</translation>
    </message>
    <message>
        <source>上次退出时有文档未能保存，未保存的内容已存入：%1</source>
        <translation>Al cerrar la última vez no se pudieron guardar algunos documentos; su texto sin guardar se guardó en: %1</translation>
    </message>
    <message>
        <source>上次打开的文件已不存在：%1</source>
        <translation>El archivo abierto la última vez ya no existe: %1</translation>
    </message>
</context>
<context>
    <name>myRankingData</name>
    <message>
        <source>立入禁止</source>
        <translation>Prohibido el paso</translation>
    </message>
    <message>
        <source>此房间为邀请制，需要房主邀请才能进入。</source>
        <translation>Esta sala es solo con invitación; el dueño debe invitarle.</translation>
    </message>
    <message>
        <source>已离开 %1 房间</source>
        <translation>Ha salido de la sala %1</translation>
    </message>
</context>
<context>
    <name>network</name>
    <message>
        <source>未配置服务器地址</source>
        <translation>No hay dirección de servidor configurada</translation>
    </message>
    <message>
        <source>错误码:</source>
        <translation>Código de error:</translation>
    </message>
    <message>
        <source>无法保存缓存文件：</source>
        <translation>No se puede guardar el archivo de caché: </translation>
    </message>
</context>
<context>
    <name>oss</name>
    <message>
        <source>This path is not authorized by the server</source>
        <translation>El servidor no autoriza esta ruta</translation>
    </message>
    <message>
        <source>云端的回答不是文件列表</source>
        <translation>La respuesta de la nube no es una lista de archivos</translation>
    </message>
    <message>
        <source>云端的回答不是存储服务的回答</source>
        <translation>La respuesta no procede del servicio de almacenamiento</translation>
    </message>
    <message>
        <source>云端文件列表不完整</source>
        <translation>La lista de archivos de la nube está incompleta</translation>
    </message>
</context>
<context>
    <name>update</name>
    <message>
        <source>有新版:</source>
        <translation>Nueva versión: </translation>
    </message>
    <message>
        <source>恭喜，已经是最新版了</source>
        <translation>Enhorabuena, es la última versión</translation>
    </message>
    <message>
        <source>连接更新服务器失败!</source>
        <translation>No se pudo contactar con el servidor de actualizaciones.</translation>
    </message>
</context>
</TS>
