package com.velmor.brivon.bridge;

import static com.velmor.brivon.probe.CallbackProbe.ATTACHED_AFTER;
import static com.velmor.brivon.probe.CallbackProbe.JAVA_COMPLETED;
import static com.velmor.brivon.probe.CallbackProbe.LOAD_SLOT;
import static com.velmor.brivon.probe.CallbackProbe.RENDER_SLOT;
import static com.velmor.brivon.probe.CallbackProbe.WAS_DETACHED_BEFORE;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotSame;
import static org.junit.jupiter.api.Assertions.assertSame;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.Recorder;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestInstance;

/** Which thread a handler is called on, and what becomes of what it throws. */
@TestInstance(TestInstance.Lifecycle.PER_CLASS)
class CallbackThreadTest {
    private final Recorder recorder = new Recorder();

    @BeforeAll
    void startEngine() {
        Engine.load(true);
        CefLib.init(Engine.settings());
    }

    @BeforeEach
    void registerRecorder() {
        CefLib.setLoadHandler(recorder);
    }

    @AfterAll
    void stopEngine() {
        CefLib.shutdown();
    }

    @Test
    @DisplayName("a callback on an engine thread attaches it as a daemon, keeps it attached, detaches it as the thread ends")
    void engineThreadIsAttachedForItsLife() {
        int before = recorder.pings();
        int result = CallbackProbe.callOnEngineThread(LOAD_SLOT, "ping");
        assertEquals(WAS_DETACHED_BEFORE | JAVA_COMPLETED | ATTACHED_AFTER, result);
        assertEquals(before + 1, recorder.pings());
        Thread caller = recorder.pingThreads.get(before);
        assertNotSame(Thread.currentThread(), caller);
        assertTrue(caller.isDaemon(), "an engine thread never holds the virtual machine's exit");
        assertFalse(caller.isAlive(), "the engine thread's Java thread ended with the thread");
    }

    @Test
    @DisplayName("a callback on the pumping thread runs there, with no attach or detach")
    void pumpingThreadCallsDirectly() {
        int before = recorder.pings();
        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "ping"));
        Engine.pumpUntil(() -> recorder.pings() > before, "the pumped callback");
        assertSame(Thread.currentThread(), recorder.pingThreads.get(before));
        assertTrue(Thread.currentThread().isAlive());
    }

    @Test
    @DisplayName("a handler's exception reaches the caller of doMessageLoopWork, later callbacks still run")
    void exceptionReachesThePumpCaller() {
        int before = recorder.pings();
        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "fail"));
        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "ping"));
        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "fail"));
        IllegalStateException thrown = assertThrows(IllegalStateException.class, CefLib::doMessageLoopWork);
        assertEquals("thrown by the handler", thrown.getMessage());
        assertEquals(before + 1, recorder.pings(), "the callback after the throwing one ran in the same pump");
        CefLib.doMessageLoopWork(); // nothing is left pending for the next call
    }

    @Test
    @DisplayName("a handler's exception on an engine thread is reported there, not thrown at an unrelated caller")
    void exceptionOnEngineThreadIsCleared() {
        int result = CallbackProbe.callOnEngineThread(LOAD_SLOT, "fail");
        assertEquals(WAS_DETACHED_BEFORE | ATTACHED_AFTER, result);
    }

    @Test
    @DisplayName("a handler without the called method gives its NoSuchMethodError to the pump caller")
    void missingMethodIsReported() {
        assertTrue(CallbackProbe.postToPump(LOAD_SLOT, "noSuchMethod"));
        assertThrows(NoSuchMethodError.class, CefLib::doMessageLoopWork);
    }

    @Test
    @DisplayName("a callback whose slot is empty skips Java")
    void emptySlotSkipsJava() {
        int result = CallbackProbe.callOnEngineThread(RENDER_SLOT, "ping");
        assertEquals(WAS_DETACHED_BEFORE | ATTACHED_AFTER, result);
        assertTrue(CallbackProbe.postToPump(RENDER_SLOT, "ping"));
        CefLib.doMessageLoopWork();
    }
}
