package com.velmor.brivon.jni;

import static org.junit.jupiter.api.Assertions.assertEquals;

import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.TreeSet;
import org.junit.jupiter.api.Test;

/**
 * The library finds handler methods, setters and fields by name and JNI descriptor at run time;
 * a mismatch compiles fine and only fails when the engine calls back. These tables, kept by
 * hand, are what the library looks up.
 */
class CallbackContractTest {
    private static final String STRING = "Ljava/lang/String;";

    /** JNI class name, method, descriptor. Interfaces must declare exactly their rows. */
    private static final String[][] METHODS = {
        {"com/velmor/brivon/jni/LoadHandler", "onLoadingStateChange", "(JZZZ)V"},
        {"com/velmor/brivon/jni/LoadHandler", "onLoadStart", "(JJ)V"},
        {"com/velmor/brivon/jni/LoadHandler", "onLoadEnd", "(JJ)V"},
        {"com/velmor/brivon/jni/LoadHandler", "onLoadError", "(JJI)V"},
        {"com/velmor/brivon/jni/DisplayHandler", "onAddressChange", "(JJ" + STRING + ")V"},
        {"com/velmor/brivon/jni/DisplayHandler", "onTitleChange", "(J" + STRING + ")V"},
        {"com/velmor/brivon/jni/DisplayHandler", "onFullScreenModeChange", "(JZ)V"},
        {"com/velmor/brivon/jni/DisplayHandler", "onConsoleMessage", "(JI" + STRING + STRING + "I)V"},
        {"com/velmor/brivon/jni/RenderHandler", "onPaint", "(JZIILjava/nio/ByteBuffer;[I)V"},
        {"com/velmor/brivon/jni/RenderHandler", "onPopupShow", "(JZ)V"},
        {"com/velmor/brivon/jni/RenderHandler", "onCursorChange", "(JI)V"},
        {"com/velmor/brivon/jni/RenderHandler", "onStartDragging", "(JI)V"},
        {"com/velmor/brivon/jni/RenderHandler", "onUpdateDragCursor", "(JI)V"},
        {"com/velmor/brivon/jni/MessageRouterHandler", "onQuery", "(JJJ" + STRING + ")V"},
        {"com/velmor/brivon/jni/MessageRouterHandler", "onQueryCanceled", "(JJJ)V"},
        {"com/velmor/brivon/jni/DownloadHandler", "onBeforeDownload", "(JJ" + STRING + STRING + ")Z"},
        {"com/velmor/brivon/jni/DownloadHandler", "onInternalDownload", "(JJ" + STRING + ")V"},
        {"com/velmor/brivon/jni/DownloadHandler", "onDownloadUpdated", "(Lcom/velmor/brivon/jni/DownloadItem;)Z"},
        {"com/velmor/brivon/jni/LifeSpanHandler", "onBeforePopup", "(JI" + STRING + ")Z"},
        {"com/velmor/brivon/jni/LifeSpanHandler", "onAfterCreated", "(J)V"},
        {"com/velmor/brivon/jni/RequestHandler", "onBeforeBrowse", "(JJ" + STRING + ")Z"},
        {"com/velmor/brivon/jni/ResourceHandler", "createRequest", "(" + STRING + ")Lcom/velmor/brivon/jni/ResourceResponse;"},
        {"com/velmor/brivon/jni/ContextMenuHandler", "runContextMenu", "(JJII[I[Z)V"},
        {"com/velmor/brivon/jni/ResourceResponse", "open", "()V"},
        {"com/velmor/brivon/jni/ResourceResponse", "getHttpStatusCode", "()I"},
        {"com/velmor/brivon/jni/ResourceResponse", "getContentLength", "()J"},
        {"com/velmor/brivon/jni/ResourceResponse", "getContentType", "()" + STRING},
        {"com/velmor/brivon/jni/ResourceResponse", "read", "(Ljava/nio/ByteBuffer;)I"},
        {"com/velmor/brivon/jni/ResourceResponse", "cancel", "()V"},
        {"com/velmor/brivon/jni/ResourceResponse", "close", "()V"},
        {"com/velmor/brivon/jni/DownloadItem", "<init>", "()V"},
        {"com/velmor/brivon/jni/DownloadItem", "setId", "(J)V"},
        {"com/velmor/brivon/jni/DownloadItem", "setBrowserId", "(J)V"},
        {"com/velmor/brivon/jni/DownloadItem", "setTotalBytes", "(J)V"},
        {"com/velmor/brivon/jni/DownloadItem", "setReceivedBytes", "(J)V"},
        {"com/velmor/brivon/jni/DownloadItem", "setPercentComplete", "(I)V"},
        {"com/velmor/brivon/jni/DownloadItem", "setSavePath", "(" + STRING + ")V"},
        {"com/velmor/brivon/jni/DownloadItem", "setState", "(I)V"},
        {"com/velmor/brivon/jni/CefVersion", "<init>", "()V"},
    };

    /** JNI class name, field, descriptor. */
    private static final String[][] FIELDS = {
        {"com/velmor/brivon/jni/CefSettings", "browserSubProcessPath", STRING},
        {"com/velmor/brivon/jni/CefSettings", "logFilePath", STRING},
        {"com/velmor/brivon/jni/CefSettings", "logSeverity", "I"},
        {"com/velmor/brivon/jni/CefSettings", "cachePath", STRING},
        {"com/velmor/brivon/jni/CefSettings", "commandLines", "Ljava/util/HashMap;"},
        {"com/velmor/brivon/jni/CefVersion", "cefVersionMajor", "I"},
        {"com/velmor/brivon/jni/CefVersion", "cefVersionMinor", "I"},
        {"com/velmor/brivon/jni/CefVersion", "cefVersionPatch", "I"},
        {"com/velmor/brivon/jni/CefVersion", "cefCommitNumber", "I"},
        {"com/velmor/brivon/jni/CefVersion", "chromeVersionMajor", "I"},
        {"com/velmor/brivon/jni/CefVersion", "chromeVersionMinor", "I"},
        {"com/velmor/brivon/jni/CefVersion", "chromeVersionBuild", "I"},
        {"com/velmor/brivon/jni/CefVersion", "chromeVersionPatch", "I"},
    };

    private static Class<?> load(String jniName) throws ClassNotFoundException {
        return Class.forName(jniName.replace('/', '.'));
    }

    @Test
    void everyMethodTheLibraryCallsExistsWithItsDescriptor() throws ClassNotFoundException {
        Map<Class<?>, TreeSet<String>> expectedByClass = new LinkedHashMap<>();
        for (String[] row : METHODS) {
            expectedByClass.computeIfAbsent(load(row[0]), c -> new TreeSet<>()).add(row[1] + row[2]);
        }
        List<String> problems = new ArrayList<>();
        for (Map.Entry<Class<?>, TreeSet<String>> entry : expectedByClass.entrySet()) {
            Class<?> type = entry.getKey();
            TreeSet<String> present = new TreeSet<>();
            for (Method method : type.getDeclaredMethods()) {
                if (Modifier.isStatic(method.getModifiers())) {
                    continue;
                }
                String signature = method.getName() + Descriptors.of(method);
                // The library calls through the object's run-time class, so a client subclass or
                // implementation must be able to override and expose every one of these.
                if (entry.getValue().contains(signature)
                        && (!Modifier.isPublic(method.getModifiers()) || Modifier.isFinal(method.getModifiers()))) {
                    problems.add(type.getSimpleName() + "." + signature + " is not public and overridable");
                }
                present.add(signature);
            }
            for (java.lang.reflect.Constructor<?> constructor : type.getConstructors()) {
                present.add("<init>" + Descriptors.of(constructor));
            }
            TreeSet<String> missing = new TreeSet<>(entry.getValue());
            missing.removeAll(present);
            for (String signature : missing) {
                problems.add(type.getSimpleName() + " lacks public " + signature);
            }
            if (type.isInterface()) {
                TreeSet<String> extra = new TreeSet<>(present);
                extra.removeAll(entry.getValue());
                for (String signature : extra) {
                    problems.add(type.getSimpleName() + " declares " + signature + ", which the library never calls");
                }
            }
        }
        assertEquals(List.of(), problems);
        assertEquals(9, expectedByClass.keySet().stream().filter(Class::isInterface).count(), "handler interfaces");
    }

    @Test
    void everyFieldTheLibraryReadsOrWritesExistsWithItsDescriptor() throws ClassNotFoundException {
        List<String> problems = new ArrayList<>();
        for (String[] row : FIELDS) {
            Class<?> type = load(row[0]);
            try {
                Field field = type.getDeclaredField(row[1]);
                String descriptor = Descriptors.of(field.getType());
                if (!descriptor.equals(row[2])) {
                    problems.add(type.getSimpleName() + "." + row[1] + " is " + descriptor + ", library expects " + row[2]);
                }
                if (Modifier.isStatic(field.getModifiers())) {
                    problems.add(type.getSimpleName() + "." + row[1] + " is static");
                }
            } catch (NoSuchFieldException e) {
                problems.add(type.getSimpleName() + " lacks field " + row[1]);
            }
        }
        assertEquals(List.of(), problems);
    }

    @Test
    void freshSettingsHoldNoNullTheLibraryWouldReadUnchecked() throws IllegalAccessException {
        CefSettings settings = new CefSettings();
        List<String> nulls = new ArrayList<>();
        for (Field field : CefSettings.class.getDeclaredFields()) {
            if (!Modifier.isStatic(field.getModifiers()) && !field.getType().isPrimitive() && field.get(settings) == null) {
                nulls.add(field.getName());
            }
        }
        assertEquals(List.of(), nulls);
    }
}
