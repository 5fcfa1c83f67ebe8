package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.jni.CefSettings;
import com.velmor.brivon.jni.ContextMenuHandler;
import com.velmor.brivon.jni.DisplayHandler;
import com.velmor.brivon.jni.DownloadHandler;
import com.velmor.brivon.jni.LifeSpanHandler;
import com.velmor.brivon.jni.LoadHandler;
import com.velmor.brivon.jni.MessageRouterHandler;
import com.velmor.brivon.jni.RenderHandler;
import com.velmor.brivon.jni.RequestHandler;
import com.velmor.brivon.jni.ResourceHandler;
import com.velmor.brivon.sim.SimDriver;
import com.velmor.brivon.testing.Engine;
import java.lang.ref.WeakReference;
import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;

/** Shutdown gives back everything Java handed the library; nothing after it does harm. */
class ShutdownTest {
    private static <T> T handler(Class<T> type) {
        return type.cast(Proxy.newProxyInstance(type.getClassLoader(), new Class<?>[] {type},
            (proxy, method, args) -> null));
    }

    @Test
    @DisplayName("shutdown after init releases every handler and the commandLines map; later calls do nothing")
    void shutdownReleasesEverything() {
        Engine.load(false);
        List<WeakReference<Object>> held = new ArrayList<>();
        registerAll(held);
        CefSettings settings = Engine.settings();
        settings.commandLines = new HashMap<>();
        held.add(new WeakReference<>(settings.commandLines));
        CefLib.init(settings);
        settings = null;
        Engine.pumpUntil(SimDriver::contextInitialized, "the context-initialised callback");
        assertTrue(SimDriver.switches().isEmpty(), "an empty map adds no switch");

        CefLib.shutdown();
        assertTrue(SimDriver.isShutDown());
        for (int i = 0; i < held.size(); i++) {
            assertTrue(Engine.collected(held.get(i)), "reference " + i + " released");
        }

        CefLib.doMessageLoopWork();
        CefLib.init(Engine.settings());
        CefLib.shutdown();
        assertEquals(1, SimDriver.initializeCalls(), "the engine is not started again after shutdown");
    }

    private static void registerAll(List<WeakReference<Object>> held) {
        LoadHandler load = handler(LoadHandler.class);
        RenderHandler render = handler(RenderHandler.class);
        MessageRouterHandler router = handler(MessageRouterHandler.class);
        DisplayHandler display = handler(DisplayHandler.class);
        DownloadHandler download = handler(DownloadHandler.class);
        LifeSpanHandler lifeSpan = handler(LifeSpanHandler.class);
        RequestHandler request = handler(RequestHandler.class);
        ResourceHandler resource = handler(ResourceHandler.class);
        ContextMenuHandler contextMenu = handler(ContextMenuHandler.class);
        CefLib.setLoadHandler(load);
        CefLib.setRenderHandler(render);
        CefLib.setMessageRouterHandler(router);
        CefLib.setDisplayHandler(display);
        CefLib.setDownloadHandler(download);
        CefLib.setLifeSpanHandler(lifeSpan);
        CefLib.setRequestHandler(request);
        CefLib.setResourceHandler(resource);
        CefLib.setContextMenuHandler(contextMenu);
        for (Object o : new Object[] {load, render, router, display, download, lifeSpan, request, resource, contextMenu}) {
            held.add(new WeakReference<>(o));
        }
    }
}
