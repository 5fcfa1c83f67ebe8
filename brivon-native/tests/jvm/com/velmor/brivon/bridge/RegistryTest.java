package com.velmor.brivon.bridge;

import static com.velmor.brivon.probe.CallbackProbe.ATTACHED_AFTER;
import static com.velmor.brivon.probe.CallbackProbe.LOAD_SLOT;
import static com.velmor.brivon.probe.CallbackProbe.WAS_DETACHED_BEFORE;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Recorder;
import java.lang.ref.WeakReference;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;

/** Registering, replacing and clearing handlers. */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class RegistryTest {
    @BeforeAll
    void startEngine() {
        Engine.load(true);
        CefLib.init(Engine.settings());
    }

    @AfterAll
    void stopEngine() {
        CefLib.shutdown();
    }

    @Test
    @DisplayName("after registering A then B, the next callback calls B and A is no longer held")
    void replacementCallsTheNewHandlerAndReleasesTheOld() {
        Recorder first = new Recorder();
        Recorder second = new Recorder();
        CefLib.setLoadHandler(first);
        CefLib.setLoadHandler(second);
        WeakReference<Recorder> firstRef = new WeakReference<>(first);
        first = null;

        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "ping"));
        Engine.pumpUntil(() -> second.pings() == 1, "the callback to the second handler");
        assertTrue(Engine.collected(firstRef), "the replaced handler is released");
    }

    @Test
    @DisplayName("registering null empties the slot and releases its handler")
    void nullEmptiesTheSlot() {
        Recorder handler = new Recorder();
        CefLib.setLoadHandler(handler);
        WeakReference<Recorder> ref = new WeakReference<>(handler);
        handler = null;
        CefLib.setLoadHandler(null);

        assertEquals(WAS_DETACHED_BEFORE | ATTACHED_AFTER, CallbackProbe.callOnEngineThread(LOAD_SLOT, "ping"));
        assertTrue(Engine.collected(ref));
    }
}
